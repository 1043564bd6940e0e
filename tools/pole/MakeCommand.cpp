#include <QDir>
#include <QElapsedTimer>

#include "core/TextFile.h"
#include "tools/pole/BundledFields.h"
#include "tools/pole/Commands.h"

namespace {
constexpr auto kSecondsPerSowing = std::chrono::seconds(10);
}  // namespace

int makeCommand(const QStringList& arguments, Console& console) {
    if (arguments.size() != 1) {
        console.err << "usage: kelvary-pole make FOLDER\n";
        return kExitUsage;
    }
    const QDir folder(arguments[0]);
    int status = kExitHarvestable;
    for (const FieldDesign& design : bundledDesigns()) {
        const QString path = folder.filePath(design.fileName());
        QElapsedTimer clock;
        clock.start();
        const std::optional<SownField> field = sowHarvestable(design, kSecondsPerSowing);
        if (!field) {
            console.err << design.fileName() << ": no harvestable sowing found\n";
            status = kExitNotHarvestable;
            continue;
        }
        if (writeFileAtomically(path, bundledFileBytes(design, *field)) != WriteStatus::Ok) {
            console.err << path << ": cannot be written\n";
            return kExitCannotWrite;
        }
        console.out << design.fileName() << ": " << field->proof.pairs << " pairs, " << design.kinds << " kinds, sowing "
                    << field->attempts << ", " << clock.elapsed() << " ms\n";
    }
    return status;
}
