#include "ui/Messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "ui/Translation.h"

namespace {
MessageResponder& responder() {
    static MessageResponder instance;
    return instance;
}

QMessageBox::Icon boxIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Warning: return QMessageBox::Warning;
    case MsgIcon::Critical: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}
}  // namespace

void setMessageResponder(MessageResponder responder_) { responder() = std::move(responder_); }

MsgAnswer MsgBox(const QString& text, MsgIcon icon, MsgButtons buttons, MsgAnswer defaultAnswer) {
    if (responder())
        return responder()(Message{text, icon, buttons, defaultAnswer});

    useRussianStandardTexts();
    QMessageBox box(boxIcon(icon), QString::fromLatin1(kWindowCaption), text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    if (buttons == MsgButtons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return MsgAnswer::Ok;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    // Set here, so the answers are Russian even where Qt's translations are not installed.
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
    box.setDefaultButton(defaultAnswer == MsgAnswer::No ? QMessageBox::No : QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}
