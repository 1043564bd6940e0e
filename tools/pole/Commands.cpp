#include "tools/pole/Commands.h"

#include "tools/pole/FieldSource.h"
#include "tools/pole/FieldText.h"

namespace {
const char* const kUsage =
    "usage: kelvary-pole COMMAND ...\n"
    "  show FILE                       the field as text, with its seed, N and shuffle flag\n"
    "  check FILE [--seconds S]        0 harvestable, 1 not, 2 undecided within S seconds (10),\n"
    "                                  3 not a field file the game can lay out\n"
    "  solve FILE [--seconds S]        a harvest order, one pair a line: column row column row\n"
    "  rate FILE [--orders N] [--seed S]\n"
    "                                  N random harvest orders (1000); the last line is the share\n"
    "                                  that emptied the field\n"
    "  grade FILE [--seed S]           how a person finds the field; the last four lines are the\n"
    "                                  look-ahead needed, trap density, gap and risk per pair\n"
    "  render FILE OUT.png             the field as the player sees it\n"
    "  make FOLDER                     writes the bundled fields, each proven harvestable\n";
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
    console.err << kUsage;
    return kExitUsage;
}

std::optional<FieldFile> fieldOrComplaint(const QString& path, Console& console) {
    FieldSource source = readFieldSource(path);
    if (!source.field)
        console.err << source.problem << '\n';
    return std::move(source.field);
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
