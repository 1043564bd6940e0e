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


// "--seed S" and "--games N" in any order after the file; nothing when they do not parse.
std::optional<std::pair<int32_t, int>> seedAndGames(const QStringList& options) {
    int32_t seed = kDefaultSeed;
    int games = kModelGames;
    if (options.size() % 2 != 0)
        return std::nullopt;
    for (qsizetype i = 0; i < options.size(); i += 2) {
        bool ok = false;
        const int value = options[i + 1].toInt(&ok);
        if (options[i] == QLatin1String("--seed") && ok)
            seed = value;
        else if (options[i] == QLatin1String("--games") && ok && value > 0)
            games = value;
        else
            return std::nullopt;
    }
    return std::pair{seed, games};
}
}  // namespace

int gradeCommand(const QStringList& arguments, Console& console) {
    const std::optional<std::pair<int32_t, int>> options =
        arguments.isEmpty() ? std::nullopt : seedAndGames(arguments.mid(1));
    if (!options) {
        console.err << "usage: kelvary-pole grade FILE [--seed S] [--games N]\n";
        return kExitUsage;
    }
    const std::optional<FieldFile> field = fieldOrComplaint(arguments[0], console);
    if (!field)
        return kExitUnreadable;
    const Grade grade = gradeField(gridOf(field->records), options->first, options->second);
    console.out << "look-ahead needed, L* (" << kMostLookAhead + 1 << ": none up to " << kMostLookAhead
                << " clears half of " << kLookAheadOrders << " orders); trap density over " << kTrapOrders
                << " winning orders; median gap over " << grade.gap.failing << " failing orders; risk per pair;\n"
                << "then per model player over " << options->second
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
