#include "core/Settings.h"

void readSettings(const QString& path, Settings& settings)
{
    const TextLines file = readTextLines(path);
    if (file.status == OpenStatus::Ok)
        parseSettings(file.lines, settings);
}

WriteStatus writeSettings(const QString& path, const Settings& settings)
{
    return writeFileAtomically(path, settingsBytes(settings));
}
