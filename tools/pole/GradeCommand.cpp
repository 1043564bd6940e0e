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
    std::optional<int32_t> seed = kDefaultSeed;
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--seed")) {
        bool ok = false;
        seed = arguments[2].toInt(&ok);
        if (!ok)
            seed.reset();
    }
    if ((arguments.size() != 1 && arguments.size() != 3) || !seed) {
        console.err << "usage: kelvary-pole grade FILE [--seed S]\n";
        return kExitUsage;
    }
    const std::optional<FieldFile> field = fieldOrComplaint(arguments[0], console);
    if (!field)
        return kExitUnreadable;
    const Grade grade = gradeField(gridOf(field->records), *seed);
    console.out << "look-ahead needed, L* (" << kMostLookAhead + 1 << ": none up to " << kMostLookAhead
                << " clears half of " << kLookAheadOrders << " orders); trap density over " << kTrapOrders
                << " winning orders; median gap over " << grade.gap.failing << " failing orders; risk per pair\n";
    console.out << figure(grade.lookAhead.needed, 0, grade.lookAhead.approximate) << '\n'
                << figure(grade.traps.share, 3, grade.traps.approximate) << '\n'
                << figure(grade.gap.median, 1, grade.gap.approximate) << '\n'
                << (grade.riskIsBound ? QStringLiteral("≥") : QString()) << QString::number(grade.riskPerPair, 'f', 4)
                << '\n';
    return kExitHarvestable;
}
