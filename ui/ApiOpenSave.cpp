#include "ui/ApiOpenSave.h"

#include <QFileDialog>

#include "core/GameState.h"
#include "ui/Modal.h"
#include "ui/frmForma.h"

QString ApiOpenSave(bool saveMode, const QString& initialName) {
    QFileDialog dialog(frmForma::instance(), QString(), G.AppFolder);
    dialog.setAcceptMode(saveMode ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters({QStringLiteral("Результаты игры (*.tgm)"), QStringLiteral("Все файлы (*)")});
    if (!initialName.isEmpty())
        dialog.selectFile(initialName);
    showModal(dialog);
    if (dialog.result() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}
