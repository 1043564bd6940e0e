#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>

// The settings file "Tavik.ini": two switches and the field last played, one a line.
struct Settings {
    int32_t ShuffleKindsDefault = 0;
    int32_t NoTractor = 0;
    QString LastFieldName;  // a lower-case field file name, or empty
};

// A missing line leaves its value as it was.
void parseSettings(const QList<QByteArray>& lines, Settings& settings);
QByteArray settingsBytes(const Settings& settings);
