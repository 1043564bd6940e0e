#pragma once
#include <QString>
#include <functional>

// The one way the game shows a message box. Every box is titled with the main window's caption.
enum class MsgIcon { Information, Warning, Critical };
enum class MsgButtons { Ok, YesNo };
enum class MsgAnswer { Ok, Yes, No };

struct Message {
    QString text;
    MsgIcon icon;
    MsgButtons buttons;
    MsgAnswer defaultAnswer;
};

MsgAnswer MsgBox(const QString& text, MsgIcon icon, MsgButtons buttons = MsgButtons::Ok,
                 MsgAnswer defaultAnswer = MsgAnswer::Ok);

// A test installs a responder that sees every message and chooses the answer; null restores the
// real boxes.
using MessageResponder = std::function<MsgAnswer(const Message&)>;
void setMessageResponder(MessageResponder responder);
// The real box with its own event loop, whatever responder is installed: a responder may open it
// to answer it with keys.
MsgAnswer showMessageBox(const Message& message);

constexpr const char* kWindowCaption = "Kelvary";
