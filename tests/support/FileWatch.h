#pragma once
#include <QString>
#include <QStringList>
#include <map>
#include <tuple>

// The files under a folder that were written since the last look: new ones and replaced ones (a
// file replaced through a temporary file is a new inode). Files the test itself writes or deletes
// are taken as seen by calling seen() afterwards.
class FileWatch {
public:
    explicit FileWatch(QString folder);
    QStringList written();  // absolute paths, and the look is remembered
    void seen() { written(); }

private:
    using Stamp = std::tuple<quint64, qint64, qint64, qint64>;  // inode, size, modified seconds, nanoseconds
    QString folder_;
    std::map<QString, Stamp> stamps_;
};
