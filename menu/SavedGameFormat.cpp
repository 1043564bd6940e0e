#include "menu/SavedGameFormat.h"

#include "core/Cp1251.h"
#include "core/TextFile.h"

namespace {
const QByteArray kMagic = QByteArrayLiteral("[tavik_game]");
// Magic, seed, level, harvest, battery, first field, count, the cell records: the lines besides
// the played fields.
constexpr qsizetype kFixedLines = 8;

// Scrambled decimal text: digits and a leading minus, no blanks.
std::optional<int32_t> scrambledNumber(QByteArrayView line, const CharTable& unscramble) {
    return parseNumber(translated(line, unscramble));
}
}  // namespace

QByteArray ScrambleGameLine(const QString& text, const CharTable& GameScrambleTable) {
    return translated(toCp1251(text), GameScrambleTable);
}

QString UnscrambleGameLine(QByteArrayView line, const CharTable& GameUnscrambleTable) {
    return fromCp1251(translated(line, GameUnscrambleTable));
}

QByteArray savedGameBytes(const SavedGame& game, int32_t seed) {
    const CharTable GameScrambleTable = scrambleTable(seed);
    auto scrambled = [&](const QString& text) { return ScrambleGameLine(text, GameScrambleTable); };
    QList<QByteArray> lines{kMagic,
                            numberLine(seed),
                            scrambled(QString::number(game.LevelNumber)),
                            scrambled(QString::number(game.Harvest)),
                            scrambled(QString::number(game.BatteryCharge)),
                            scrambled(game.FirstFieldName),
                            numberLine(int32_t(game.PlayedFields.size()) - 1)};
    for (const QString& name : game.PlayedFields)
        lines.append(scrambled(name));
    lines.append(translated(recordText(game.Cells), GameScrambleTable));
    return joinLines(lines);
}

std::optional<SavedGame> parseSavedGame(const QList<QByteArray>& lines) {
    if (lines.size() < kFixedLines || lines[0] != kMagic)
        return std::nullopt;
    const auto seed = parseNumber(lines[1]);
    const auto last = parseNumber(lines[6]);
    if (!seed || !last || *last < -1 || lines.size() != kFixedLines + qsizetype(*last) + 1)
        return std::nullopt;

    const CharTable GameUnscrambleTable = inverted(scrambleTable(*seed));
    const auto level = scrambledNumber(lines[2], GameUnscrambleTable);
    const auto harvest = scrambledNumber(lines[3], GameUnscrambleTable);
    const auto charge = scrambledNumber(lines[4], GameUnscrambleTable);
    const auto within = [](const std::optional<int32_t>& n, int32_t most) { return n && *n >= 0 && *n <= most; };
    if (!within(level, kMaxLevel) || !within(harvest, kMaxHarvest) || !within(charge, kBatteryCapacity))
        return std::nullopt;

    const QByteArray plain = translated(lines.last(), GameUnscrambleTable);
    if (plain.size() % kRecordLength != 0)
        return std::nullopt;
    auto cells = parseRecords(plain, plain.size() / kRecordLength);
    // A field without a crop could never be finished, so no game in progress looks like that.
    if (!cells || !hasCrop(*cells))
        return std::nullopt;

    SavedGame game{*level, *harvest, *charge, UnscrambleGameLine(lines[5], GameUnscrambleTable), {},
                   std::move(*cells)};
    for (qsizetype i = 7; i < lines.size() - 1; ++i)
        game.PlayedFields.append(UnscrambleGameLine(lines[i], GameUnscrambleTable));
    return game;
}
