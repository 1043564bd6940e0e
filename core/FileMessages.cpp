#include "core/FileMessages.h"

#include "ui/Messages.h"

namespace {
void reportFile(const QString& name, const char* ending) {
    MsgBox(QStringLiteral("Файл ") + name + QString::fromUtf8(ending), MsgIcon::Critical);
}
}  // namespace

bool confirmReplace(const QString& name) {
    const QString question = QStringLiteral("Файл ") + name + QStringLiteral(" уже существует.\nЗаменить его?");
    return MsgBox(question, MsgIcon::Warning, MsgButtons::YesNo, MsgAnswer::No) == MsgAnswer::Yes;
}

bool reportWriteFailure(const QString& name, WriteStatus status) {
    switch (status) {
    case WriteStatus::Protected:
        reportFile(name, " защищён от записи.");
        return true;
    case WriteStatus::Failed:
    case WriteStatus::Unreadable:
        reportFile(name, " сохранить не возможно.");
        return true;
    case WriteStatus::Ok:
        break;
    }
    return false;
}

void reportUnreadable(const QString& name, OpenStatus status) {
    switch (status) {
    case OpenStatus::NotFound:
        reportFile(name, " не найден.");
        return;
    case OpenStatus::Failed:
        reportFile(name, " открыть не возможно.");
        return;
    case OpenStatus::Ok:
        reportFile(name, " не подходит к программе.");
        return;
    }
}
