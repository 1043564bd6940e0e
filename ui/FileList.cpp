#include "ui/FileList.h"

#include <QDir>
#include <algorithm>

#include "core/Cp1251.h"

bool FileList::setPath(const QString& folder) {
    folder_ = folder;
    refresh();
    return QDir(folder).exists();
}

void FileList::refresh() {
    names_.clear();
    // Hidden files are not the player's, and a name the game's files cannot store would not read
    // back as it was written.
    for (const QString& name : QDir(folder_).entryList({pattern_}, QDir::Files))
        if (!name.startsWith(QLatin1Char('.')) && fitsCp1251(name))
            names_ << name;
    // Ties in letter case are broken by the exact name, so the order never depends on the disk.
    std::sort(names_.begin(), names_.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
}
