#include "core/SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <memory>

#include "ui/Messages.h"

bool claimFolder(const QString& folder) {
    static std::unique_ptr<QLockFile> held;
    auto lock = std::make_unique<QLockFile>(QDir(folder).filePath(QLatin1String(kFolderLock)));
    if (!lock->tryLock(0) && lock->error() == QLockFile::LockFailedError) {
        MsgBox(QStringLiteral("Kelvary уже запущена."), MsgIcon::Information);
        return false;
    }
    held = std::move(lock);
    return true;
}
