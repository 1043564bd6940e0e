#include <QElapsedTimer>
#include <optional>

#include "tools/pole/Commands.h"
#include "tools/pole/FieldSource.h"
#include "solver/Solver.h"

namespace {
constexpr double kDefaultSeconds = 10;
constexpr double kMostSeconds = 24 * 3600;

struct Question {
    QString path;
    double seconds = kDefaultSeconds;
};

// FILE [--seconds S], in either order.
std::optional<Question> parseQuestion(const QStringList& arguments) {
    Question question;
    bool havePath = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--seconds") && i + 1 < arguments.size()) {
            bool ok = false;
            question.seconds = arguments[++i].toDouble(&ok);
            if (!ok || !(question.seconds > 0) || question.seconds > kMostSeconds)
                return std::nullopt;
        } else if (!havePath && !arguments[i].startsWith(QLatin1String("--"))) {
            question.path = arguments[i];
            havePath = true;
        } else {
            return std::nullopt;
        }
    }
    return havePath ? std::optional(question) : std::nullopt;
}

QString oddKindsText(const std::vector<int>& kinds) {
    QStringList codes;
    for (int kind : kinds)
        codes << QString::number(kind);
    return codes.join(QStringLiteral(", "));
}

// Says what the solver found; the order itself is the solve command's business.
int report(const QString& path, const SolverResult& result, double seconds, qint64 ms, Console& console) {
    switch (result.verdict) {
    case Verdict::Harvestable:
        console.err << path << ": harvestable, " << result.pairs << " pairs (" << ms << " ms, "
                    << result.positions << " positions)\n";
        return kExitHarvestable;
    case Verdict::NotHarvestable:
        if (!result.oddKinds.empty())
            console.err << path << ": not harvestable: odd count of kind " << oddKindsText(result.oddKinds) << '\n';
        else if (!result.neverJoined.empty())
            console.err << path << ": not harvestable: no order ever opens a route from the picture at column "
                        << result.neverJoined[0].col << ", row " << result.neverJoined[0].row
                        << " to one of its kind\n";
        else
            console.err << path << ": not harvestable: any order gets " << result.mostPairs << " of "
                        << result.pairs << " pairs at most (" << ms << " ms)\n";
        return kExitNotHarvestable;
    case Verdict::Undecided:
        break;
    }
    console.err << path << ": undecided within " << seconds << " s (" << result.positions
                << " positions; an order reaching " << result.mostPairs << " of " << result.pairs
                << " pairs was seen)\n";
    return kExitUndecided;
}

// Reads the field and solves it; the exit status, and the result when there was a field to solve.
int decide(const QStringList& arguments, const char* command, Console& console, FieldGrid& grid,
           SolverResult& result) {
    const std::optional<Question> question = parseQuestion(arguments);
    if (!question) {
        console.err << "usage: kelvary-pole " << command << " FILE [--seconds S]\n";
        return kExitUsage;
    }
    const std::optional<FieldFile> field = fieldOrComplaint(question->path, console);
    if (!field)
        return kExitUnreadable;
    grid = gridOf(field->records);
    if (picturesOf(grid).empty()) {
        console.err << question->path << ": not harvestable: no crop on the field, the game skips it as a level\n";
        return kExitNotHarvestable;
    }
    QElapsedTimer clock;
    clock.start();
    result = solveField(grid, std::chrono::milliseconds(qint64(question->seconds * 1000)));
    return report(question->path, result, question->seconds, clock.elapsed(), console);
}
}  // namespace

int checkCommand(const QStringList& arguments, Console& console) {
    FieldGrid grid;
    SolverResult result;
    return decide(arguments, "check", console, grid, result);
}

int solveCommand(const QStringList& arguments, Console& console) {
    FieldGrid grid;
    SolverResult result;
    const int status = decide(arguments, "solve", console, grid, result);
    if (status != kExitHarvestable)
        return status;
    if (!replaysToEmpty(grid, result.order)) {
        console.err << "the order found does not replay through the game's route search: a solver fault\n";
        return kExitInternal;
    }
    for (const HarvestStep& step : result.order)
        console.out << step.fromCol << ' ' << step.fromRow << ' ' << step.toCol << ' ' << step.toRow << '\n';
    return kExitHarvestable;
}
