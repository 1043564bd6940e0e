#include "core/Settings.h"

void readSettings(const QString& path, Settings& settings)
{
    const TextLines file = readTextLines(path);
    if (file.status == OpenStatus::Ok)
        parseSettings(file.lines, settings);
}

WriteStatus writeSettings(const QString& path, const Settings& settings)
{
    const auto readsBack = [&](const QList<QByteArray>& lines) {
        Settings back;
        parseSettings(lines, back);
        return back.ShuffleKindsDefault == settings.ShuffleKindsDefault && back.NoTractor == settings.NoTractor;
    };
    return writeCheckedFile(path, settingsBytes(settings), readsBack);
}
