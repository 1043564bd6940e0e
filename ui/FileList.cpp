#include "ui/FileList.h"

#include <QDir>
#include <algorithm>

bool FileList::setPath(const QString& folder) {
    folder_ = folder;
    refresh();
    return QDir(folder).exists();
}

void FileList::refresh() {
    names_ = QDir(folder_).entryList({pattern_}, QDir::Files | QDir::Hidden);
    // Ties in letter case are broken by the exact name, so the order never depends on the disk.
    std::sort(names_.begin(), names_.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
}
