#pragma once
#include <QStringList>
#include <QTextStream>
#include <optional>

// What a BSD sysexits-minded script expects from a wrong command line.
inline constexpr int kExitUsageError = 64;

// The game takes only --version and --help, each printed to standard output. Returns the exit
// status when the command line is answered without starting the game, nothing when the game starts.
// Called before any window exists, so it works without a display.
std::optional<int> answerCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);
