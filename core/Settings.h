#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>

#include "core/TextFile.h"

// The settings file "Tavik.ini": two switches and the field last played.
struct Settings {
    int32_t ShuffleKindsDefault = 0;
    int32_t NoTractor = 0;
    QString LastFieldName;  // a lower-case field file name, or empty
};

// A missing file or line leaves the matching values as they were.
void readSettings(const QString& path, Settings& settings);
QByteArray settingsBytes(const Settings& settings);
WriteStatus writeSettings(const QString& path, const Settings& settings);
