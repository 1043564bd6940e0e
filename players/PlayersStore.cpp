#include "players/PlayersStore.h"

#include <algorithm>

#include "core/FileMessages.h"
#include "core/GameState.h"
#include "core/Rnd.h"
#include "core/TextFile.h"
#include "players/LeadersFormat.h"
#include "players/PlayersFormat.h"
#include "players/PlayersState.h"

namespace {
QString playersPath() { return G.AppFolder + QStringLiteral("Igroki.ini"); }
QString leadersPath() { return G.AppFolder + QStringLiteral("Lidery.ini"); }

// Bytes the reader would refuse are not worth keeping; every other failure reads as protected.
bool reportFailure(const QString& fileName, WriteStatus status)
{
    if (status == WriteStatus::Ok)
        return false;
    reportWriteFailure(fileName, status == WriteStatus::Unreadable ? status : WriteStatus::Protected);
    return true;
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
    const auto readsBack = [](const QList<QByteArray>& lines) {
        return parsePlayersFile(lines).PlayersLast == P.PlayersLast;
    };
    const QByteArray bytes = playersFileBytes(P.Players, P.PlayersLast);
    if (reportFailure(QStringLiteral("Igroki.ini"), writeCheckedFile(playersPath(), bytes, readsBack)))
        return;
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
    const auto readsBack = [](const QList<QByteArray>& lines) {
        const LeaderBoard board = parseLeadersFile(lines).board;
        return std::equal(board.begin(), board.end(), P.Leaders.begin(),
                          [](const Leader& a, const Leader& b) { return a.Score == b.Score; });
    };
    const QByteArray bytes = leadersFileBytes(P.Leaders, newFileSeed());
    reportFailure(QStringLiteral("Lidery.ini"), writeCheckedFile(leadersPath(), bytes, readsBack));
}
