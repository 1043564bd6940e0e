#include "ui/Messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "ui/Fonts.h"
#include "ui/Translation.h"
#include "ui/Zoom.h"

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
    const Message message{text, icon, buttons, defaultAnswer};
    return responder() ? responder()(message) : showMessageBox(message);
}

MsgAnswer showMessageBox(const Message& message) {
    useRussianStandardTexts();
    QMessageBox box(boxIcon(message.icon), QString::fromLatin1(kWindowCaption), message.text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setFont(sansFont(qRound(kInterfaceFontPixels * windowZoom())));
    if (message.buttons == MsgButtons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return MsgAnswer::Ok;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    // Set here, so the answers are Russian even where Qt's translations are not installed.
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
    box.setDefaultButton(message.defaultAnswer == MsgAnswer::No ? QMessageBox::No : QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}
