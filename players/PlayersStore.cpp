#include "players/PlayersStore.h"

#include "core/GameState.h"
#include "core/Rnd.h"
#include "core/TextFile.h"
#include "players/PlayersState.h"
#include "ui/Messages.h"

namespace {
QString playersPath() { return G.AppFolder + QStringLiteral("Igroki.ini"); }
QString leadersPath() { return G.AppFolder + QStringLiteral("Lidery.ini"); }

void reportProtected(const QString& fileName)
{
    MsgBox(QStringLiteral("Файл %1 защищён от записи.").arg(fileName), MsgIcon::Critical);
}
}

void ReadIgrokov()
{
    PlayersList list = readPlayersFile(playersPath());
    P.Players = std::move(list.Players);
    P.PlayersLast = list.PlayersLast;
}

void SaveIgrokov()
{
    if (writeFileAtomically(playersPath(), playersFileBytes(P.Players, P.PlayersLast)) != WriteStatus::Ok) {
        reportProtected(QStringLiteral("Igroki.ini"));
        return;
    }
    P.PlayersChanged = 0;
}

void ReadLiderov()
{
    const LeadersRead read = readLeadersFile(leadersPath());
    P.Leaders = read.board;
    P.LeadersCharTable = read.unscramble;
}

void SaveLiderov()
{
    if (writeFileAtomically(leadersPath(), leadersFileBytes(P.Leaders, newFileSeed())) != WriteStatus::Ok)
        reportProtected(QStringLiteral("Lidery.ini"));
}
