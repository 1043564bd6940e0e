#pragma once
#include <QString>

#include "core/SettingsFormat.h"
#include "core/TextFile.h"

// A missing file or line leaves the matching values as they were.
void readSettings(const QString& path, Settings& settings);
WriteStatus writeSettings(const QString& path, const Settings& settings);
