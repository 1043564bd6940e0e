#include "ui/Modal.h"

#include <QDialog>

#include "ui/Translation.h"

namespace {
std::function<void(QDialog&)>& modalHook() {
    static std::function<void(QDialog&)> hook;
    return hook;
}
}  // namespace

void setModalHook(std::function<void(QDialog&)> hook) { modalHook() = std::move(hook); }

void showModal(QDialog& dialog) {
    useRussianStandardTexts();
    if (modalHook()) {
        dialog.setModal(true);
        dialog.show();
        modalHook()(dialog);
        dialog.hide();
        return;
    }
    dialog.exec();
}
