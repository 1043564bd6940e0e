#include "support/RandomAnswers.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "core/GameState.h"
#include "support/EventWatch.h"
#include "support/PlayersFiles.h"
#include "ui/Messages.h"
#include "ui/Modal.h"
#include "ui/frmDoska.h"
#include "ui/frmFile.h"
#include "ui/frmIgroki.h"
#include "ui/frmNameIgrokov.h"
#include "ui/frmOprog.h"
#include "ui/frmStart.h"

namespace {
void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

// Replaces what the box holds, key by key, as a player does.
void retype(QLineEdit* box, const QString& text) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    typeText(box, text);
}
}  // namespace

RandomAnswers::RandomAnswers(std::mt19937& random, QString folder, std::function<void(const QString&)> note)
    : random_(random), folder_(std::move(folder)), note_(std::move(note)) {
    setModalHook([this](QDialog& dialog) {
        read();
        if (look)
            look();
        const bool ownLoop = qobject_cast<frmIgroki*>(&dialog) || qobject_cast<frmNameIgrokov*>(&dialog) ||
                             qobject_cast<frmFile*>(&dialog);
        ownLoop && chance(40) ? answerInItsOwnLoop(dialog) : answer(dialog);
    });
    setMessageResponder([this](const Message& message) {
        read();
        return answer(message);
    });
}

RandomAnswers::~RandomAnswers() {
    setModalHook(nullptr);
    setMessageResponder(nullptr);
}

// Half of the time the player answers at once; otherwise the timers run on while they read.
void RandomAnswers::read() {
    if (chance(50))
        pumpEvents(below(400));
}

MsgAnswer RandomAnswers::answer(const Message& message) {
    ++messages;
    if (message.text == QStringLiteral("Поздравляю! Весь урожай собран!"))
        ++congratulations;
    // Mostly the record is taken and a stuck field reshuffled; leaving is rare, so that games last.
    const bool mostlyYes = message.text.startsWith(QStringLiteral("Поздравляю!!!")) ||
                           message.text.startsWith(QStringLiteral("Ходов больше нет. Перемешать"));
    const int yesPercent = mostlyYes ? 75 : message.text == QStringLiteral("Закрыть программу?") ? 5 : 50;
    const bool yes = message.buttons == MsgButtons::YesNo && chance(yesPercent);
    note_(QStringLiteral("message \"%1\" -> %2")
              .arg(message.text.left(60).replace(QLatin1Char('\n'), QLatin1Char(' ')),
                   message.buttons == MsgButtons::Ok ? QStringLiteral("OK") : yes ? QStringLiteral("Yes") : QStringLiteral("No")));
    if (chance(25))
        return answerWithKeys(message, yes);
    if (message.buttons == MsgButtons::Ok)
        return MsgAnswer::Ok;
    return yes ? MsgAnswer::Yes : MsgAnswer::No;
}

void RandomAnswers::answerInItsOwnLoop(QDialog& dialog) {
    note_(QStringLiteral("  in its own loop"));
    QTimer::singleShot(below(300), &dialog, [this, &dialog] { answer(dialog); });
    dialog.exec();
}

// Waits for the box to open, then presses Space on the chosen button or Escape, which says No.
MsgAnswer RandomAnswers::answerWithKeys(const Message& message, bool yes) {
    auto answered = std::make_shared<bool>(false);
    auto press = std::make_shared<std::function<void()>>();
    const bool escape = !yes && chance(50);
    *press = [=, weak = std::weak_ptr(press)] {
        if (*answered)
            return;
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box->text() != message.text) {
            QTimer::singleShot(20, [weak] { if (auto again = weak.lock()) (*again)(); });
            return;
        }
        *answered = true;
        QAbstractButton* button = box->button(message.buttons == MsgButtons::Ok ? QMessageBox::Ok
                                              : yes                               ? QMessageBox::Yes
                                                                                  : QMessageBox::No);
        escape ? QTest::keyClick(box, Qt::Key_Escape) : QTest::keyClick(button, Qt::Key_Space);
    };
    QTimer::singleShot(below(300), *press);
    const MsgAnswer answer = showMessageBox(message);
    *answered = true;
    return answer;
}

template <class Window>
bool RandomAnswers::answerAs(QDialog& dialog) {
    auto* window = qobject_cast<Window*>(&dialog);
    if (window)
        answer(*window);
    return window != nullptr;
}

void RandomAnswers::answer(QDialog& dialog) {
    note_(QStringLiteral("window %1 \"%2\"").arg(QString::fromLatin1(dialog.metaObject()->className()), dialog.windowTitle()));
    const bool answered = answerAs<frmStart>(dialog) || answerAs<QFileDialog>(dialog) || answerAs<frmFile>(dialog) ||
                          answerAs<frmIgroki>(dialog) || answerAs<frmNameIgrokov>(dialog) || answerAs<frmDoska>(dialog);
    if (auto* about = qobject_cast<frmOprog*>(&dialog); !answered && about)
        click(about->OK);
    // Whatever is still open (help, a name refused, a field that could not be saved, a record's
    // list whose "Вы уверены?" was answered No) is closed.
    if (dialog.isVisible())
        chance(50) ? QTest::keyClick(&dialog, Qt::Key_Escape) : dialog.reject();
    while (dialog.isVisible())
        dialog.reject();
}

void RandomAnswers::answer(frmStart& dialog) {
    // Mostly among the small fields at the end of the list, so that levels and games end.
    const QList<QListWidgetItem*> small = dialog.List1->findItems(QStringLiteral("x-"), Qt::MatchStartsWith);
    const int line = !small.isEmpty() && chance(75) ? dialog.List1->row(small[below(int(small.size()))])
                                                     : below(dialog.List1->count());
    clickLine(dialog.List1, line);
    // Mostly without the tractor: its eight seconds a field would leave little time for play.
    if (dialog.chNoTraktor->isChecked() != chance(85))
        QTest::mouseClick(dialog.chNoTraktor, Qt::LeftButton, {}, QPoint(8, 10));
    if (chance(15))
        return click(dialog.kCancel);
    note_(QStringLiteral("  start at \"%1\", tractor %2")
              .arg(dialog.List1->currentItem()->text(), dialog.chNoTraktor->isChecked() ? QStringLiteral("off") : QStringLiteral("on")));
    gameBegun = true;
    click(dialog.kStart);
}

// Names inside the program folder, in a folder that may be write-protected, and under a plain
// file ("zapert") where no one can write; for opening also a missing file and a file of another kind.
QString RandomAnswers::savedGameName(bool saving) {
    QStringList names = {QStringLiteral("igra1.tgm"), QStringLiteral("igra2"), QStringLiteral("zakryto/igra.tgm"),
                         QStringLiteral("zapert/igra.tgm")};
    if (!saving) {
        names << QStringLiteral("nety.tgm") << QStringLiteral("Tavik.ini");
        for (const QString& name : QDir(folder_).entryList({QStringLiteral("*.tgm")}, QDir::Files))
            names << name << name;
    }
    return names[below(int(names.size()))];
}

void RandomAnswers::answer(QFileDialog& dialog) {
    const bool saving = dialog.acceptMode() == QFileDialog::AcceptSave;
    if (chance(15))
        return dialog.reject();
    const QString name = savedGameName(saving);
    note_(QStringLiteral("  file \"%1\"").arg(name));
    gameBegun = gameBegun || !saving;
    dialog.selectFile(name);
    static_cast<QDialog&>(dialog).accept();  // the dialog's own check of the name runs
}

void RandomAnswers::answer(frmFile& dialog) {
    if (chance(15))
        return click(dialog.kNO);
    if (G.FieldDialogOpens != 0 && dialog.File1->count() > 0 && chance(80)) {
        clickLine(dialog.File1, below(dialog.File1->count()));
    } else {
        const QStringList names = {QStringLiteral("moe1"),  QStringLiteral("moe2.tvk"), QStringLiteral("x-malo1"),
                                   QStringLiteral("поле★"), QStringLiteral("nety.tvk"), QStringLiteral("a/b"),
                                   QStringLiteral(".."),    QStringLiteral(".moe"),     QStringLiteral("moe.tvk "),
                                   QStringLiteral("очень длинное имя поля для проверки").repeated(4)};
        retype(dialog.txtNameFile, names[below(int(names.size()))]);
    }
    note_(QStringLiteral("  field \"%1\"").arg(dialog.txtNameFile->text()));
    if (dialog.kSave->isEnabled())
        chance(50) ? click(dialog.kSave) : QTest::keyClick(dialog.txtNameFile, Qt::Key_Return);
}

void RandomAnswers::answer(frmIgroki& dialog) {
    for (int steps = below(3); steps > 0 && dialog.isVisible(); --steps) {
        const int line = below(dialog.List1->count());
        if (dialog.List1->count() > 0)
            clickLine(dialog.List1, line);
        switch (below(3)) {
        case 0: click(dialog.kName[0]); break;
        case 1: click(dialog.kName[1]); break;
        default: click(dialog.kDelName); break;
        }
        if (look)
            look();
    }
    if (dialog.kOK->isVisible() && dialog.List1->count() > 0 && chance(80)) {
        clickLine(dialog.List1, below(dialog.List1->count()));
        return click(dialog.kOK);
    }
    click(dialog.kClose);
}

void RandomAnswers::answer(frmNameIgrokov& dialog) {
    if (dialog.File1->count() > 0)
        clickLine(dialog.File1, below(dialog.File1->count()));
    const QStringList names = {QStringLiteral("Маша"),   QStringLiteral("Петя"),  QStringLiteral("Оля"),
                               QStringLiteral("Вася %1").arg(below(100)), QStringLiteral("игрок"),
                               QStringLiteral("Masha"),  QStringLiteral("a/b"),   QStringLiteral(".."),
                               QStringLiteral("Ёжик★ü"), QStringLiteral("Длинное имя игрока").repeated(5)};
    retype(dialog.txtName, names[below(int(names.size()))]);
    note_(QStringLiteral("  player \"%1\" photo \"%2\"").arg(dialog.txtName->text(), dialog.PhotoFile));
    click(chance(85) ? dialog.kSave : dialog.kCancel);
}

void RandomAnswers::answer(frmDoska& dialog) {
    if (chance(20))
        click(dialog.kIgroki);
    click(dialog.kClose);
}
