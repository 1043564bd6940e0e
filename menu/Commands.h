#pragma once
#include <QString>

// Carries out the menu entry with this caption; an unknown caption does nothing.
void runCommand(const QString& caption);
