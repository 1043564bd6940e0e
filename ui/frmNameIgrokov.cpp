#include "ui/frmNameIgrokov.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "players/Photo.h"
#include "players/PlayersList.h"
#include "players/PlayersState.h"
#include "ui/Cp1251Validator.h"
#include "ui/DialogButton.h"
#include "ui/Fonts.h"
#include "ui/ListKeys.h"
#include "ui/Messages.h"
#include "ui/Modal.h"
#include "ui/PhotoBox.h"
#include "ui/PictureBox.h"
#include "ui/frmIgroki.h"

frmNameIgrokov::frmNameIgrokov(frmIgroki& owner, NameMode mode, const QString& caption)
    : QDialog(&owner), owner_(owner), mode_(mode) {
    setWindowTitle(caption);
    setFixedSize(356, 368);
    setFont(sansFont(16, true));
    Label1 = new QLabel(QStringLiteral("Выбор фото:"), this);
    Label1->setGeometry(8, 8, 111, 20);
    File1 = new QListWidget(this);
    File1->setGeometry(8, 32, 225, 226);
    Label2 = new QLabel(QStringLiteral("Фото:"), this);
    Label2->setGeometry(240, 8, 52, 20);
    picPhoto = new PictureBox(this, 110, 140, kButtonFace);
    picPhoto->move(240, 32);
    Label3 = new QLabel(QStringLiteral("Введите имя игрока:"), this);
    Label3->setGeometry(8, 264, 179, 20);
    txtName = new QLineEdit(this);
    txtName->setGeometry(8, 288, 337, 28);
    txtName->setValidator(new Cp1251Validator(txtName));
    kSave = dialogButton(this, QStringLiteral("Сохранить"), {144, 328, 97, 33});
    kSave->setDefault(true);
    kSave->setEnabled(false);
    kCancel = dialogButton(this, QStringLiteral("Отменить"), {248, 328, 97, 33});
    setTabOrder(File1, txtName);
    setTabOrder(txtName, kSave);
    setTabOrder(kSave, kCancel);
    selectFirstOnFirstArrow(File1);
    connect(File1, &QListWidget::itemSelectionChanged, this, &frmNameIgrokov::File1_Click);
    connect(txtName, &QLineEdit::textChanged, this, &frmNameIgrokov::txtName_Change);
    connect(kSave, &QPushButton::clicked, this, &frmNameIgrokov::kSave_Click);
    connect(kCancel, &QPushButton::clicked, this, &frmNameIgrokov::kCancel_Click);
}

bool frmNameIgrokov::Form_Load() {
    const std::optional<QStringList> files = photoFiles();
    if (!files) {
        MsgBox(QStringLiteral("Папка \"Photo\" не найдена."), MsgIcon::Critical);
        return false;
    }
    File1->addItems(*files);
    if (mode_ == NameMode::Edit) {
        txtName->setText(owner_.selectedName());
        PhotoFile = P.Players[owner_.selectedIndex()].Photo;
        ShowPhoto(*picPhoto, PhotoFile);
        kSave->setEnabled(true);
    }
    File1->setFocus();
    return true;
}

void frmNameIgrokov::enableSave() { kSave->setEnabled(!PhotoFile.isEmpty() && !txtName->text().isEmpty()); }

void frmNameIgrokov::File1_Click() {
    const QList<QListWidgetItem*> selected = File1->selectedItems();
    if (selected.isEmpty())
        return;
    PhotoFile = selected.first()->text();
    ShowPhoto(*picPhoto, PhotoFile);
    enableSave();
}

void frmNameIgrokov::txtName_Change() { enableSave(); }

void frmNameIgrokov::kSave_Click() {
    const int edited = mode_ == NameMode::Edit ? owner_.selectedIndex() : -1;
    const QString name = txtName->text();
    const QString clash = playerClash(edited, name, PhotoFile);
    if (!clash.isEmpty()) {
        MsgBox(clash, MsgIcon::Critical);
        return;
    }
    owner_.showStoredPlayer(storePlayer(edited, name, PhotoFile), mode_ == NameMode::Edit);
    accept();
}

void frmNameIgrokov::kCancel_Click() { reject(); }

void openFrmNameIgrokov(frmIgroki& owner, NameMode mode, const QString& caption) {
    frmNameIgrokov dialog(owner, mode, caption);
    if (dialog.Form_Load())
        showModal(dialog);
}
