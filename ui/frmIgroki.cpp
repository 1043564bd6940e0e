#include "ui/frmIgroki.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "players/PlayersList.h"
#include "players/PlayersState.h"
#include "players/PlayersStore.h"
#include "ui/DialogButton.h"
#include "ui/Fonts.h"
#include "ui/ListKeys.h"
#include "ui/Messages.h"
#include "ui/PhotoBox.h"
#include "ui/PictureBox.h"
#include "ui/frmNameIgrokov.h"

frmIgroki::frmIgroki(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Список игроков"));
    setFixedSize(356, 342);
    setFont(sansFont(16, true));
    Label1 = new QLabel(QStringLiteral("Имена игроков:"), this);
    Label1->setGeometry(8, 8, 132, 20);
    List1 = new QListWidget(this);
    List1->setGeometry(8, 32, 225, 224);
    Label2 = new QLabel(QStringLiteral("Фото:"), this);
    Label2->setGeometry(240, 8, 52, 20);
    picPhoto = new PictureBox(this, 110, 140, kButtonFace);
    picPhoto->move(240, 32);
    kOK = dialogButton(this, QStringLiteral("OK"), {248, 176, 89, 33});
    kOK->setDefault(true);
    kClose = dialogButton(this, QStringLiteral("Закрыть"), {248, 216, 89, 33});
    kName[0] = dialogButton(this, QStringLiteral("Добавить имя"), {80, 264, 129, 33});
    kName[1] = dialogButton(this, QStringLiteral("Изменить имя"), {216, 264, 129, 33});
    kDelName = dialogButton(this, QStringLiteral("Удалить имя"), {216, 304, 129, 33});
    setTabOrder(List1, kOK);
    setTabOrder(kOK, kClose);
    setTabOrder(kClose, kName[0]);
    setTabOrder(kName[0], kName[1]);
    setTabOrder(kName[1], kDelName);
    selectFirstOnFirstArrow(List1);
    connect(List1, &QListWidget::itemSelectionChanged, this, &frmIgroki::List1_Click);
    connect(List1, &QListWidget::itemDoubleClicked, this, &frmIgroki::List1_DblClick);
    connect(kOK, &QPushButton::clicked, this, &frmIgroki::kOK_Click);
    connect(kClose, &QPushButton::clicked, this, &frmIgroki::kClose_Click);
    connect(kName[0], &QPushButton::clicked, this, [this] { kName_Click(0); });
    connect(kName[1], &QPushButton::clicked, this, [this] { kName_Click(1); });
    connect(kDelName, &QPushButton::clicked, this, &frmIgroki::kDelName_Click);
    Form_Load();
}

void frmIgroki::Form_Load() {
    for (int32_t i = 0; i <= P.PlayersLast; ++i)
        List1->addItem(P.Players[i].Name);
    choosing_ = P.CurrentPlayer == -1;
    kOK->setVisible(choosing_);
    // A record must never be lost to an OK pressed before anybody was picked.
    if (choosing_ && P.PlayersLast >= 0) {
        int chosen = 0;
        for (int32_t i = 0; i <= P.PlayersLast; ++i) {
            if (P.Players[i].Name == P.RecordHolder)
                chosen = i;
        }
        List1->setCurrentRow(chosen);
    }
    List1->setFocus();
}

int frmIgroki::selectedIndex() const {
    const QList<QListWidgetItem*> selected = List1->selectedItems();
    return selected.isEmpty() ? -1 : List1->row(selected.first());
}

QString frmIgroki::selectedName() const {
    const int index = selectedIndex();
    return index < 0 ? QString() : List1->item(index)->text();
}

void frmIgroki::List1_Click() {
    const int index = selectedIndex();
    if (index < 0)
        picPhoto->cls();
    else
        ShowPhoto(*picPhoto, P.Players[index].Photo);
}

void frmIgroki::List1_DblClick() {
    if (P.CurrentPlayer == -1)
        kOK_Click();
}

void frmIgroki::kOK_Click() {
    P.CurrentPlayer = selectedIndex();
    accept();
}

void frmIgroki::kClose_Click() { reject(); }

void frmIgroki::kName_Click(int index) {
    if (index == 1 && selectedIndex() < 0)
        return;
    openFrmNameIgrokov(*this, index == 0 ? NameMode::Add : NameMode::Edit, kName[index]->text());
}

void frmIgroki::showStoredPlayer(int index, bool replacesLine) {
    if (replacesLine)
        delete List1->takeItem(index);
    List1->insertItem(index, P.Players[index].Name);
    List1->setCurrentRow(index);
}

void frmIgroki::kDelName_Click() {
    const int index = selectedIndex();
    if (index < 0)
        return;
    if (MsgBox(QStringLiteral("Вы уверены?"), MsgIcon::Warning, MsgButtons::YesNo) == MsgAnswer::No)
        return;
    delete List1->takeItem(index);
    List1->clearSelection();
    picPhoto->cls();
    removePlayer(index);
}

void frmIgroki::done(int result) {
    if (choosing_ && P.CurrentPlayer == -1 &&
        MsgBox(QStringLiteral("Результат не попадёт на доску почёта. Вы уверены?"), MsgIcon::Warning,
               MsgButtons::YesNo, MsgAnswer::No) == MsgAnswer::No)
        return;
    if (P.PlayersChanged == 1)
        SaveIgrokov();
    QDialog::done(result);
}
