#include "support/ModalScript.h"

#include "ui/Modal.h"

ModalScript::ModalScript() {
    setModalHook([this](QDialog& dialog) {
        if (steps_.empty()) {
            unexpected = true;
            dialog.reject();
            return;
        }
        const auto step = std::move(steps_.front());
        steps_.pop_front();
        step(dialog);
    });
}

ModalScript::~ModalScript() { setModalHook(nullptr); }
