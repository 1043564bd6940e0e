#include "core/CommandLine.h"

#include "core/Version.h"

namespace {
const char* const kUsage =
    "usage: kelvary [--version | --help]\n"
    "Kelvary, a garden puzzle game with a Russian interface: a robot harvests pairs of equal crops.\n"
    "Without options the game starts. It keeps the player's settings, players, honour board,\n"
    "fields and photos in $XDG_DATA_HOME/kelvary (by default ~/.local/share/kelvary).\n"
    "\n"
    "  --version   print the version and exit\n"
    "  --help      print this text and exit\n";
}  // namespace

std::optional<int> answerCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.isEmpty())
        return std::nullopt;
    if (arguments == QStringList{QStringLiteral("--version")}) {
        out << "kelvary " << kVersion << '\n';
        return 0;
    }
    if (arguments == QStringList{QStringLiteral("--help")}) {
        out << kUsage;
        return 0;
    }
    err << "kelvary: unknown option: " << arguments.join(QLatin1Char(' ')) << '\n' << kUsage;
    return kExitUsageError;
}
