#include "tools/pole/Commands.h"

#include "tools/pole/FieldSource.h"
#include "tools/pole/FieldText.h"

namespace {
const char* const kUsage =
    "usage: kelvary-pole COMMAND ...\n"
    "Checks, solves and draws Kelvary field files (*.tvk). The player's own fields are in\n"
    "$XDG_DATA_HOME/kelvary/Pole (by default ~/.local/share/kelvary/Pole).\n"
    "\n"
    "  show FILE                       the field as text, with its seed, N and shuffle flag\n"
    "  check FILE [--seconds S]        whether every picture can be harvested, decided within\n"
    "                                  S seconds (10); says why not\n"
    "  solve FILE [--seconds S]        a harvest order, one pair a line: column row column row\n"
    "  rate FILE [--orders N] [--seed S]\n"
    "                                  N random harvest orders (1000) from seed S (1); the last\n"
    "                                  line is the share that emptied the field\n"
    "  grade FILE [--seed S] [--games N]\n"
    "                                  how a person finds the field: look-ahead needed, trap\n"
    "                                  density, gap and risk per pair, a line each; then a line per\n"
    "                                  model player (N games, 1000): name, share won, median gap\n"
    "  render FILE OUT.png             the field as the player sees it\n"
    "  make FOLDER                     writes the bundled fields, each proven harvestable\n"
    "  tune DESIGN FIRST COUNT [--kinds K] [--games N] [--scattered]\n"
    "                                  a bundled design (or a drawing DESIGN.txt: ten lines of\n"
    "                                  sixteen beds) sown from COUNT seeds: per seed the share\n"
    "                                  of random orders that clear it and the model players' figures\n"
    "  --help                          this text\n"
    "\n"
    "exit status:\n"
    "  0   done; for check and solve: harvestable\n"
    "  1   not harvestable (make: a bundled field found no harvestable sowing)\n"
    "  2   undecided within the time allowed\n"
    "  3   FILE is not a field file the game can lay out\n"
    "  4   the output (OUT.png, a file in FOLDER) cannot be written\n"
    "  64  wrong command line\n"
    "  70  the solver's order failed its own replay: a fault in the tool\n";
}  // namespace

int runPole(const QStringList& arguments, Console& console) {
    const QString command = arguments.value(0);
    const QStringList rest = arguments.mid(1);
    if (command == QLatin1String("show"))
        return showCommand(rest, console);
    if (command == QLatin1String("check"))
        return checkCommand(rest, console);
    if (command == QLatin1String("solve"))
        return solveCommand(rest, console);
    if (command == QLatin1String("rate"))
        return rateCommand(rest, console);
    if (command == QLatin1String("grade"))
        return gradeCommand(rest, console);
    if (command == QLatin1String("render"))
        return renderCommand(rest, console);
    if (command == QLatin1String("make"))
        return makeCommand(rest, console);
    if (command == QLatin1String("tune"))
        return tuneCommand(rest, console);
    if (command == QLatin1String("--help") && rest.isEmpty()) {
        console.out << kUsage;
        return kExitHarvestable;
    }
    console.err << kUsage;
    return kExitUsage;
}

std::optional<FieldFile> fieldOrComplaint(const QString& path, Console& console) {
    FieldSource source = readFieldSource(path);
    if (!source.field)
        console.err << source.problem << '\n';
    return std::move(source.field);
}

std::optional<QMap<QString, int>> numberOptions(const QStringList& options, const QStringList& names) {
    QMap<QString, int> values;
    if (options.size() % 2 != 0)
        return std::nullopt;
    for (qsizetype i = 0; i < options.size(); i += 2) {
        bool ok = false;
        const int value = options[i + 1].toInt(&ok);
        if (!ok || !names.contains(options[i]))
            return std::nullopt;
        values[options[i]] = value;
    }
    return values;
}

int showCommand(const QStringList& arguments, Console& console) {
    if (arguments.size() != 1) {
        console.err << "usage: kelvary-pole show FILE\n";
        return kExitUsage;
    }
    const std::optional<FieldFile> field = fieldOrComplaint(arguments[0], console);
    if (!field)
        return kExitUnreadable;
    console.out << fieldText(*field);
    return kExitHarvestable;
}
