#pragma once
#include <QMap>
#include <QStringList>
#include <QTextStream>
#include <optional>

#include "core/FieldFileFormat.h"

// The commands of kelvary-pole, each given its arguments after the command's name.

// What the tool's exit status tells a script.
enum PoleExit {
    kExitHarvestable = 0,  // also: the command did what it was asked
    kExitNotHarvestable = 1,
    kExitUndecided = 2,    // the time limit came first
    kExitUnreadable = 3,   // not a field file the game could lay out
    kExitCannotWrite = 4,
    kExitInternal = 70,    // the solver's order failed its own replay
    kExitUsage = 64,
};

struct Console {
    QTextStream& out;
    QTextStream& err;
};

int runPole(const QStringList& arguments, Console& console);

// The field of a file, or nothing once standard error has been told why not (kExitUnreadable).
std::optional<FieldFile> fieldOrComplaint(const QString& path, Console& console);
// "--name N" pairs in any order, each name one of `names` and each N a whole number; nothing
// when any is not.
std::optional<QMap<QString, int>> numberOptions(const QStringList& options, const QStringList& names);

int showCommand(const QStringList& arguments, Console& console);
int checkCommand(const QStringList& arguments, Console& console);
int solveCommand(const QStringList& arguments, Console& console);
int rateCommand(const QStringList& arguments, Console& console);
int gradeCommand(const QStringList& arguments, Console& console);
int renderCommand(const QStringList& arguments, Console& console);
int makeCommand(const QStringList& arguments, Console& console);
int tuneCommand(const QStringList& arguments, Console& console);
