#include "players/PlayersList.h"

#include "players/PlayersState.h"

QString playerClash(int32_t edited, const QString& name, const QString& photo)
{
    const QString n = name.toLower();
    const QString p = photo.toLower();
    for (int32_t i = 0; i <= P.PlayersLast; ++i) {
        if (i == edited)
            continue;
        const Player& other = P.Players[i];
        if (other.Photo.toLower() == p)
            return QStringLiteral("Это фото уже занял(а) ") + other.Name;
        if (other.Name.toLower() == n)
            return QStringLiteral("Это имя уже имеется в списке.");
    }
    return {};
}

int32_t storePlayer(int32_t edited, const QString& name, const QString& photo)
{
    int32_t target = edited;
    if (edited < 0) {
        target = ++P.PlayersLast;
        P.Players.resize(std::max(P.Players.size(), size_t(target) + 1));
    }
    P.Players[target] = {photo, name};
    P.PlayersChanged = 1;
    return target;
}

void removePlayer(int32_t index)
{
    --P.PlayersLast;
    for (int32_t i = index; i <= P.PlayersLast; ++i)
        P.Players[i] = P.Players[i + 1];
    P.PlayersChanged = 1;
}
