#include "ui/frmStart.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "core/GameState.h"
#include "core/Levels.h"
#include "ui/Events.h"
#include "ui/Fonts.h"
#include "ui/ListKeys.h"
#include "ui/Forma.h"
#include "ui/Messages.h"

frmStart::frmStart(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Новая игра"));
    setFixedSize(239, 350);
    setFont(sansFont(16, true));
    Label1 = new QLabel(QStringLiteral("Выбор игры:"), this);
    Label1->setGeometry(8, 8, 105, 20);
    List1 = new QListWidget(this);
    List1->setGeometry(8, 32, 225, 224);
    // A check box does not wrap its text, so the caption is broken where it fits the box.
    chNoTraktor = new QCheckBox(QStringLiteral("Не показывать трактор\n(быстрая загрузка)"), this);
    chNoTraktor->setGeometry(8, 264, 225, 41);
    chNoTraktor->setFont(sansFont(13, true));
    chNoTraktor->setStyleSheet(QStringLiteral("QCheckBox { spacing: 6px; }"));
    kStart = new QPushButton(QStringLiteral("Старт"), this);
    kStart->setGeometry(48, 312, 89, 33);
    kStart->setDefault(true);
    kCancel = new QPushButton(QStringLiteral("Отменить"), this);
    kCancel->setGeometry(144, 312, 89, 33);
    setTabOrder(List1, chNoTraktor);
    setTabOrder(chNoTraktor, kStart);
    setTabOrder(kStart, kCancel);
    List1->installEventFilter(this);
    selectFirstOnFirstArrow(List1);
    connect(chNoTraktor, &QCheckBox::clicked, this, &frmStart::chNoTraktor_Click);
    connect(kStart, &QPushButton::clicked, this, &frmStart::kStart_Click);
    connect(kCancel, &QPushButton::clicked, this, &frmStart::kCancel_Click);
    connect(List1, &QListWidget::itemDoubleClicked, this, &frmStart::kStart_Click);
    Form_Load();
}

void frmStart::Form_Load() {
    FileList& files = forma().FilyUrovney;
    if (!files.setPath(G.FieldFolder))
        MsgBox(QStringLiteral("Папка \"Pole\" не найдена."), MsgIcon::Critical);
    List1->addItem(kStartEntry);
    int marked = 0;
    for (int i = 0; i < files.count(); ++i) {
        List1->addItem(fieldTitle(files.name(i)));
        if (marked == 0 && files.name(i).toLower() == G.LastFieldName)
            marked = i + 1;
    }
    List1->setCurrentRow(marked);
    chNoTraktor->setChecked(G.NoTractor == 1);
    List1->setFocus();
}

void frmStart::chNoTraktor_Click() { G.NoTractor = chNoTraktor->isChecked() ? 1 : 0; }

void frmStart::kStart_Click() {
    hide();
    DoEvents();
    const int entry = std::max(0, List1->currentRow());
    BeginGame(entry, entry == 0 ? kStartEntry : forma().FilyUrovney.name(entry - 1));
    accept();
}

void frmStart::kCancel_Click() { reject(); }

bool frmStart::eventFilter(QObject* watched, QEvent* event) {
    if (watched == List1 && event->type() == QEvent::KeyRelease &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        kCancel_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
