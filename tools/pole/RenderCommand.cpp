#include <QBuffer>

#include "core/TextFile.h"
#include "tools/pole/Commands.h"
#include "tools/pole/FieldPicture.h"
#include "tools/pole/FieldSource.h"

int renderCommand(const QStringList& arguments, Console& console) {
    if (arguments.size() != 2) {
        console.err << "usage: kelvary-pole render FILE OUT.png\n";
        return kExitUsage;
    }
    const std::optional<FieldFile> field = fieldOrComplaint(arguments[0], console);
    if (!field)
        return kExitUnreadable;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    fieldPicture(gridOf(field->records)).save(&buffer, "PNG");
    if (writeFileAtomically(arguments[1], png) != WriteStatus::Ok) {
        console.err << arguments[1] << ": cannot be written\n";
        return kExitCannotWrite;
    }
    return kExitHarvestable;
}
