#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <cstdint>

#include "core/CharTable.h"

// The leaders file "Lidery.ini": the magic line, a seed, then the five board entries scrambled.

struct Leader {
    QString Name;
    QString Photo;
    int32_t Score = 0;  // kilograms; 0 marks an empty entry
};
constexpr int kBoardPlaces = 5;
using LeaderBoard = std::array<Leader, kBoardPlaces>;  // best first

// " 350" for 350, "-5" for -5: the score as the file and the game's messages write it.
QString scoreText(int32_t score);
QByteArray ScrambleLine(const QString& text, const CharTable& table);
QByteArray leadersFileBytes(const LeaderBoard& board, int32_t seed);

struct LeadersRead {
    LeaderBoard board;
    CharTable unscramble{};  // the inverse of the file's table; all 0 when it held no seed
};
// Missing lines leave their fields empty and a score that is no number leaves 0. Without the magic
// line or a seed that is a number nothing can be read and the board stays empty.
LeadersRead parseLeadersFile(const QList<QByteArray>& lines);
LeadersRead readLeadersFile(const QString& path);
