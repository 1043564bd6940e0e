#include "ui/ApiOpenSave.h"

#include <QDateTime>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QHeaderView>
#include <QTreeView>

#include "core/GameState.h"
#include "ui/Modal.h"
#include "ui/frmForma.h"

namespace {
// Qt's Russian translation has no word for a folder's type in the file list.
class RussianTypes : public QFileIconProvider {
public:
    QString type(const QFileInfo& info) const override {
        return info.isDir() ? QStringLiteral("Папка") : QFileIconProvider::type(info);
    }
};

void speakRussian(QFileDialog& dialog, bool saveMode) {
    static RussianTypes types;
    dialog.setIconProvider(&types);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Папка:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Имя файла:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Тип файлов:"));
    dialog.setLabelText(QFileDialog::Accept, saveMode ? QStringLiteral("Сохранить") : QStringLiteral("Открыть"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Отмена"));
    // The side bar's "Computer" has no Russian name either; the game's own folder is what matters.
    dialog.setSidebarUrls({QUrl::fromLocalFile(G.AppFolder)});
}

// Every column at least as wide as its header, so that none reads "Тек…ент", and the last one
// as wide as a date and time.
void widenColumns(QFileDialog& dialog) {
    const QString sampleDate = QLocale().toString(QDateTime(QDate(2000, 12, 28), QTime(22, 58, 58)), QLocale::ShortFormat);
    for (QTreeView* view : dialog.findChildren<QTreeView*>()) {
        QHeaderView* header = view->header();
        const QAbstractItemModel* model = header->model();
        const int padding = 3 * header->style()->pixelMetric(QStyle::PM_HeaderMargin) + 16;
        for (int section = 0; model && section < header->count(); ++section) {
            const QString title = model->headerData(section, Qt::Horizontal).toString();
            int wanted = header->fontMetrics().horizontalAdvance(title) + padding;
            if (section == header->count() - 1)
                wanted = std::max(wanted, view->fontMetrics().horizontalAdvance(sampleDate) + padding);
            header->resizeSection(section, std::max(header->sectionSize(section), wanted));
        }
    }
}
}  // namespace

QString ApiOpenSave(bool saveMode, const QString& initialName) {
    QFileDialog dialog(frmForma::instance(), QString(), G.AppFolder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(saveMode ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters({QStringLiteral("Результаты игры (*.tgm)"), QStringLiteral("Все файлы (*)")});
    speakRussian(dialog, saveMode);
    widenColumns(dialog);
    if (!initialName.isEmpty())
        dialog.selectFile(initialName);
    showModal(dialog);
    if (dialog.result() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}
