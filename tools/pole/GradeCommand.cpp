#include <optional>

#include "tools/pole/Commands.h"
#include "tools/pole/FieldSource.h"
#include "solver/Grading.h"

namespace {
constexpr int32_t kDefaultSeed = 1;

// "≈" before a figure whose search was cut off at its bound.
QString figure(double value, int decimals, bool approximate) {
    return (approximate ? QStringLiteral("≈") : QString()) + QString::number(value, 'f', decimals);
}
}  // namespace

int gradeCommand(const QStringList& arguments, Console& console) {
    const std::optional<QMap<QString, int>> options =
        arguments.isEmpty() ? std::nullopt : numberOptions(arguments.mid(1), {"--seed", "--games"});
    const int32_t seed = options ? options->value(QStringLiteral("--seed"), kDefaultSeed) : 0;
    const int games = options ? options->value(QStringLiteral("--games"), kModelGames) : 0;
    if (games <= 0) {
        console.err << "usage: kelvary-pole grade FILE [--seed S] [--games N]\n";
        return kExitUsage;
    }
    const std::optional<FieldFile> field = fieldOrComplaint(arguments[0], console);
    if (!field)
        return kExitUnreadable;
    const Grade grade = gradeField(gridOf(field->records), seed, games);
    console.out << "look-ahead needed, L* (" << kMostLookAhead + 1 << ": none up to " << kMostLookAhead
                << " clears half of " << kLookAheadOrders << " orders); trap density over " << kTrapOrders
                << " winning orders; median gap over " << grade.gap.failing << " failing orders; risk per pair;\n"
                << "then per model player over " << games
                << " games: the share won and the median gap in lost games\n";
    console.out << figure(grade.lookAhead.needed, 0, grade.lookAhead.approximate) << '\n'
                << figure(grade.traps.share, 3, grade.traps.approximate) << '\n'
                << figure(grade.gap.median, 1, grade.gap.approximate) << '\n'
                << (grade.riskIsBound ? QStringLiteral("≥") : QString()) << QString::number(grade.riskPerPair, 'f', 4)
                << '\n';
    for (size_t i = 0; i < kModelPlayers.size(); ++i) {
        const ModelFigures& played = grade.players[i];
        console.out << modelPlayerName(kModelPlayers[i]) << ' ' << figure(played.share, 3, played.approximate) << ' '
                    << QString::number(played.medianGap, 'f', 1) << '\n';
    }
    return kExitHarvestable;
}
