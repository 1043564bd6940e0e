#include "support/ModalScript.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>

#include "ui/Modal.h"
#include "ui/frmStart.h"

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

ModalScript& ModalScript::startAt(int entry) {
    return then<frmStart>([this, entry](frmStart& start) {
        startEntries.clear();
        for (int i = 0; i < start.List1->count(); ++i)
            startEntries << start.List1->item(i)->text();
        startPreselected = start.List1->currentRow();
        start.List1->setCurrentRow(entry);
        start.kStart_Click();
    });
}

ModalScript& ModalScript::answerFile(std::optional<QString> name) {
    return then<QFileDialog>([this, name](QFileDialog& files) {
        fileDialogs.push_back({files.acceptMode() == QFileDialog::AcceptSave,
                               files.directory().absolutePath() + QLatin1Char('/'), files.nameFilters(),
                               files.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text(),
                               !files.testOption(QFileDialog::DontConfirmOverwrite), files.defaultSuffix()});
        if (!name) {
            files.reject();
            return;
        }
        files.selectFile(*name);
        static_cast<QDialog&>(files).accept();  // the dialog's own check of the name runs
    });
}
