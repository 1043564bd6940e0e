#include "core/SettingsFormat.h"

#include "core/Cp1251.h"
#include "core/TextFile.h"
#include "ui/ZoomSteps.h"

namespace {
// A switch is on only when it holds exactly 1; whatever else a user typed turns it off.
int32_t switchValue(const QByteArray& line)
{
    return parseNumber(line) == 1 ? 1 : 0;
}
}

void parseSettings(const QList<QByteArray>& lines, Settings& settings)
{
    if (lines.size() > 0)
        settings.ShuffleKindsDefault = switchValue(lines[0]);
    if (lines.size() > 1)
        settings.NoTractor = switchValue(lines[1]);
    if (lines.size() > 2)
        settings.LastFieldName = fromCp1251(lines[2]);  // the whole line: a name may hold commas
    if (lines.size() > 3) {
        const int32_t zoom = parseNumber(lines[3]).value_or(0);
        settings.ZoomPercent = isZoomStep(zoom) ? zoom : 0;
    }
}

QByteArray settingsBytes(const Settings& settings)
{
    QList<QByteArray> lines{numberLine(settings.ShuffleKindsDefault), numberLine(settings.NoTractor),
                            toCp1251(settings.LastFieldName)};
    if (settings.ZoomPercent != 0)
        lines.append(numberLine(settings.ZoomPercent));
    return joinLines(lines);
}
