#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>

// The settings file "Tavik.ini": two switches, the field last played and, once the player chose one,
// the window's zoom in percent, one a line.
struct Settings {
    int32_t ShuffleKindsDefault = 0;
    int32_t NoTractor = 0;
    QString LastFieldName;  // a lower-case field file name, or empty
    int32_t ZoomPercent = 0;  // 0: none chosen, and no fourth line
};

// A missing line leaves its value as it was; a fourth line that is no zoom step means none chosen.
void parseSettings(const QList<QByteArray>& lines, Settings& settings);
QByteArray settingsBytes(const Settings& settings);
