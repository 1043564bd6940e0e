#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "core/CharTable.h"
#include "core/FieldRecords.h"
#include "core/Rules.h"

// The bytes of a saved game "*.tgm". Everything but the seed and the count of played fields is
// scrambled with the field files' substitution, under a fresh seed for every file. Depends on
// QtCore only, so a fuzzer can feed the reader whatever it likes.

// What a saved game holds: nothing of a pick or a run under way, not the shuffle switch.
struct SavedGame {
    int32_t LevelNumber = 0;
    int32_t Harvest = 0;
    int32_t BatteryCharge = kBatteryCapacity;
    QString FirstFieldName;
    QStringList PlayedFields;
    std::vector<CellRecord> Cells;  // every occupied cell, row-major
    bool operator==(const SavedGame&) const = default;
};

QByteArray savedGameBytes(const SavedGame& game, int32_t seed);
// The whole file checked before anything is taken from it: nothing unless every line is there,
// the count of played fields matches its lines, every number is a number the game could have
// written and every cell lies inside the grid.
std::optional<SavedGame> parseSavedGame(const QList<QByteArray>& lines);

// A text line of the file: Windows-1251 bytes through the writer's table or the reader's inverse.
QByteArray ScrambleGameLine(const QString& text, const CharTable& GameScrambleTable);
QString UnscrambleGameLine(QByteArrayView line, const CharTable& GameUnscrambleTable);
