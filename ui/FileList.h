#pragma once
#include <QString>
#include <QStringList>

// The player's files of one folder that match a pattern, sorted by name with letter case ignored:
// no hidden files, and only names that Windows-1251 can hold.
class FileList {
public:
    explicit FileList(QString pattern) : pattern_(std::move(pattern)) {}
    bool setPath(const QString& folder);  // false (and an empty list) when the folder is missing
    void refresh();
    int count() const { return int(names_.size()); }
    QString name(int index) const { return names_.value(index); }
    const QStringList& names() const { return names_; }

private:
    QString pattern_;
    QString folder_;
    QStringList names_;
};
