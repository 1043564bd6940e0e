#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <vector>

// The players file "Igroki.ini": the magic line, the last index, then each player's name and photo.

struct Player {
    QString Photo;  // file name in the folder "Photo"
    QString Name;   // as typed
};

struct PlayersList {
    std::vector<Player> Players;
    int32_t PlayersLast = -1;  // -1 when there are none
};

QByteArray playersFileBytes(const std::vector<Player>& players, int32_t playersLast);
// What the lines of a players file hold. A wrong magic line or count gives no players; a count
// beyond the lines that follow gives only the players whose names are there.
PlayersList parsePlayersFile(const QList<QByteArray>& lines);
// Reads the file; no players when it cannot be opened.
PlayersList readPlayersFile(const QString& path);
