#include "ui/Modal.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include "ui/Translation.h"
#include "ui/Zoom.h"

namespace {
std::function<void(QDialog&)>& modalHook() {
    static std::function<void(QDialog&)> hook;
    return hook;
}
}  // namespace

void whenNoModalWindow(std::function<void()> action) {
    if (!QApplication::activeModalWidget()) {
        action();
        return;
    }
    // Polled rather than tied to a window's closing, so the action never runs inside the code that
    // opened the window, before that code has finished.
    constexpr int kPollMs = 50;
    QTimer::singleShot(kPollMs, [action = std::move(action)]() mutable { whenNoModalWindow(std::move(action)); });
}

void setModalHook(std::function<void(QDialog&)> hook) { modalHook() = std::move(hook); }

void showModal(QDialog& dialog) {
    useRussianStandardTexts();
    scaleWindow(&dialog, windowZoom());
    if (modalHook()) {
        dialog.setModal(true);
        dialog.show();
        modalHook()(dialog);
        dialog.hide();
        return;
    }
    dialog.exec();
}
