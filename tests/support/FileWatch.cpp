#include "support/FileWatch.h"

#include <QDirIterator>
#include <sys/stat.h>

FileWatch::FileWatch(QString folder) : folder_(std::move(folder)) { seen(); }

QStringList FileWatch::written() {
    std::map<QString, Stamp> now;
    QStringList changed;
    QDirIterator files(folder_, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        struct stat info {};
        if (::stat(QFile::encodeName(path).constData(), &info) != 0)
            continue;
        const Stamp stamp{info.st_ino, info.st_size, info.st_mtim.tv_sec, info.st_mtim.tv_nsec};
        const auto before = stamps_.find(path);
        if (before == stamps_.end() || before->second != stamp)
            changed << path;
        now.emplace(path, stamp);
    }
    stamps_ = std::move(now);
    return changed;
}
