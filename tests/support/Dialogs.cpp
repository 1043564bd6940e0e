#include "support/Dialogs.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>

#include "ui/Modal.h"
#include "ui/frmStart.h"

namespace {
SeenFileDialog whatItShows(const QFileDialog& dialog) {
    return {dialog.acceptMode() == QFileDialog::AcceptSave, dialog.directory().absolutePath() + QLatin1Char('/'),
            dialog.nameFilters(), dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text(),
            !dialog.testOption(QFileDialog::DontConfirmOverwrite), dialog.defaultSuffix()};
}
}  // namespace

DialogScript::DialogScript() {
    setModalHook([this](QDialog& dialog) {
        if (auto* files = qobject_cast<QFileDialog*>(&dialog)) {
            fileDialogs.push_back(whatItShows(*files));
            if (fileAnswers_.empty()) {
                unexpected = true;
                files->reject();
                return;
            }
            const std::optional<QString> name = fileAnswers_.front();
            fileAnswers_.pop_front();
            if (!name) {
                files->reject();
                return;
            }
            files->selectFile(*name);
            static_cast<QDialog*>(files)->accept();  // the dialog's own check of the name runs
        } else if (auto* start = qobject_cast<frmStart*>(&dialog)) {
            startEntries.clear();
            for (int i = 0; i < start->List1->count(); ++i)
                startEntries << start->List1->item(i)->text();
            startPreselected = start->List1->currentRow();
            if (!startEntry_) {
                unexpected = true;
                start->kCancel_Click();
                return;
            }
            start->List1->setCurrentRow(*startEntry_);
            startEntry_.reset();
            start->kStart_Click();
        } else {
            unexpected = true;
            dialog.reject();
        }
    });
}

DialogScript::~DialogScript() { setModalHook(nullptr); }

void DialogScript::startAt(int entry) { startEntry_ = entry; }
