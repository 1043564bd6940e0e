#include "ui/frmFile.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "core/GameState.h"
#include "editor/SaveField.h"
#include "ui/FileList.h"
#include "ui/Fonts.h"
#include "ui/ListKeys.h"
#include "ui/Messages.h"

namespace {
// Characters no file name may hold; typing them has no effect.
const QString kRefusedCharacters = QStringLiteral("\\/:*?\"<>|");
}

frmFile::frmFile(QWidget* parent) : QDialog(parent) {
    setFixedSize(334, 343);
    setFont(sansFont(16, true));
    folderLabel = new QLabel(QStringLiteral("Содержание папки \"Pole\""), this);
    folderLabel->setGeometry(8, 0, 215, 20);
    File1 = new QListWidget(this);
    File1->setGeometry(8, 20, 321, 226);
    nameLabel = new QLabel(QStringLiteral("Имя файла:"), this);
    nameLabel->setGeometry(8, 248, 102, 20);
    txtNameFile = new QLineEdit(this);
    txtNameFile->setGeometry(8, 268, 321, 28);
    kSave = new QPushButton(QStringLiteral("Сохранить"), this);
    kSave->setGeometry(96, 304, 113, 33);
    kSave->setDefault(true);
    kSave->setEnabled(false);
    kNO = new QPushButton(QStringLiteral("Отменить"), this);
    kNO->setGeometry(216, 304, 113, 33);
    txtNameFile->installEventFilter(this);
    File1->installEventFilter(this);
    selectFirstOnFirstArrow(File1);
    connect(txtNameFile, &QLineEdit::textChanged, this, [this](const QString& text) { kSave->setEnabled(!text.isEmpty()); });
    // Only a selected line names the file: the focus coming into the list keeps what was typed.
    connect(File1, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = File1->selectedItems();
        if (!selected.isEmpty())
            txtNameFile->setText(selected.first()->text());
    });
    connect(File1, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        txtNameFile->setText(item->text());
        kSave_Click();
    });
    connect(kSave, &QPushButton::clicked, this, &frmFile::kSave_Click);
    connect(kNO, &QPushButton::clicked, this, &QDialog::reject);
}

bool frmFile::Form_Load() {
    FileList files(QStringLiteral("*.tvk"));
    if (!files.setPath(G.FieldFolder)) {
        MsgBox(QStringLiteral("Папка \"Pole\" не найдена."), MsgIcon::Critical);
        return false;
    }
    File1->addItems(files.names());
    if (G.FieldDialogOpens != 0) {
        setWindowTitle(QStringLiteral("Открыть файл"));
        kSave->setText(QStringLiteral("Открыть"));
    } else {
        setWindowTitle(QStringLiteral("Сохранить файл"));
        txtNameFile->setText(G.FieldFileName);
        txtNameFile->selectAll();
    }
    txtNameFile->setFocus();
    return true;
}

void frmFile::kSave_Click() {
    if (txtNameFile->text().isEmpty())
        return;
    if (SaveOrOpenNamed(txtNameFile->text()) == 0)
        accept();
}

bool frmFile::nameBoxKey(QKeyEvent* key) {
    const int current = File1->currentRow();
    const bool selected = File1->currentItem() && File1->currentItem()->isSelected();
    if (key->key() == Qt::Key_Up && selected && current > 0) {
        File1->setCurrentRow(current - 1);
        return true;
    }
    if (key->key() == Qt::Key_Down && File1->count() > 0 && !(selected && current == File1->count() - 1)) {
        File1->setCurrentRow(selected ? current + 1 : 0);
        return true;
    }
    const QString typed = key->text();
    return typed.size() == 1 && kRefusedCharacters.contains(typed.at(0));
}

bool frmFile::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched == txtNameFile)
        return nameBoxKey(static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::KeyRelease && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
