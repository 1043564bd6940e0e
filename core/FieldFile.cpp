#include "core/FieldFile.h"

#include <QFileInfo>

#include "core/CharTable.h"
#include "core/FieldDisplay.h"
#include "core/GameState.h"
#include "core/Rnd.h"
#include "core/TextFile.h"
#include "ui/Forma.h"
#include "ui/Messages.h"

namespace {
const QByteArray kMagic = QByteArrayLiteral("[tavik]");

void reportFile(const QString& name, const char* ending) {
    MsgBox(QStringLiteral("Файл ") + name + QString::fromUtf8(ending), MsgIcon::Critical);
}

bool hasCrop(const std::vector<CellRecord>& records) {
    for (const CellRecord& record : records)
        if (record.Sign >= kFirstCrop)
            return true;
    return false;
}
}  // namespace

QByteArray fieldFileBytes(const std::vector<CellRecord>& records, int32_t seed, int32_t shuffleKinds) {
    const QByteArray scrambled = translated(recordText(records), scrambleTable(seed));
    return joinLines({kMagic, numberLine(seed), numberLine(int32_t(records.size())), scrambled,
                      numberLine(shuffleKinds)});
}

std::optional<FieldFile> parseFieldFile(const QList<QByteArray>& lines) {
    if (lines.size() < 5 || lines[0] != kMagic)
        return std::nullopt;
    const auto seed = parseNumber(lines[1]);
    const auto count = parseNumber(lines[2]);
    const auto shuffle = parseNumber(lines[4]);
    if (!seed || !count || !shuffle)
        return std::nullopt;
    const QByteArray plain = translated(lines[3], inverted(scrambleTable(*seed)));
    auto records = parseRecords(plain, *count);
    if (!records)
        return std::nullopt;
    return FieldFile{*seed, std::move(*records), *shuffle == 1 ? 1 : 0};
}

int SavePole(const QString& name) {
    const QString path = G.FieldFolder + name;
    if (name != G.FieldFileName && QFileInfo::exists(path)) {
        const QString question = QStringLiteral("Файл ") + name + QStringLiteral(" уже существует.\nЗаменить его?");
        if (MsgBox(question, MsgIcon::Warning, MsgButtons::YesNo, MsgAnswer::No) == MsgAnswer::No)
            return 0;
    }
    const QByteArray bytes = fieldFileBytes(G.SownCells, newFileSeed(), G.ShuffleKinds);
    switch (writeFileAtomically(path, bytes)) {
    case WriteStatus::Protected:
        reportFile(name, " защищён от записи.");
        return 1;
    case WriteStatus::Failed:
        reportFile(name, " сохранить не возможно.");
        return 1;
    case WriteStatus::Ok:
        break;
    }
    G.FieldFileName = name;
    forma().lblNameFile.setCaption(name);
    G.SownCells.clear();
    return 0;
}

int OpenPole(const QString& name, int mode) {
    const TextLines file = readTextLines(G.FieldFolder + name);
    std::optional<FieldFile> field;
    if (file.status == OpenStatus::Ok)
        field = parseFieldFile(file.lines);
    // A level without a single crop could never be finished.
    if (field && mode == kForPlay && !hasCrop(field->records))
        field.reset();
    if (!field) {
        if (mode == kForEditing) {
            if (file.status == OpenStatus::NotFound)
                reportFile(name, " не найден.");
            else if (file.status == OpenStatus::Failed)
                reportFile(name, " открыть не возможно.");
            else
                reportFile(name, " не подходит к программе.");
        }
        return 1;
    }
    G.ShuffleKinds = field->shuffleKinds;
    if (mode == kForEditing) {
        G.GameMode = 1;
        G.ShuffleKindsDefault = G.ShuffleKinds;
    }
    ShowPole(field->records, mode);
    // Laying out clears the label to "Новое поле"; an opened field shows its own name.
    if (mode == kForEditing)
        forma().lblNameFile.setCaption(name);
    G.CurrentSign = 1;
    G.FieldFileName = name;
    return 0;
}
