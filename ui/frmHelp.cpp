#include "ui/frmHelp.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>

#include "core/GameState.h"
#include "ui/Fonts.h"

namespace {
const char* const kHelpPage = "Help.htm";

QString missingPageText(const QString& path) {
    return QStringLiteral("<h3>Справка не найдена</h3><p>Файл %1 не найден.</p>")
        .arg(path.toHtmlEscaped());
}
}  // namespace

frmHelp::frmHelp(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Справка"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setMinimumSize(320, 240);
    resize(720, 560);
    WebBrowser1 = new QTextBrowser(this);
    WebBrowser1->setFont(sansFont(14));
    WebBrowser1->setFrameShape(QFrame::NoFrame);
    WebBrowser1->document()->setDocumentMargin(12);
    Form_Load();
    Form_Resize();
}

void frmHelp::Form_Load() {
    const QString page = G.AppFolder + QString::fromLatin1(kHelpPage);
    if (QFileInfo(page).isFile())
        WebBrowser1->setSource(QUrl::fromLocalFile(page));
    else
        WebBrowser1->setHtml(missingPageText(page));
}

void frmHelp::Form_Resize() { WebBrowser1->setGeometry(0, 0, width(), height()); }

void frmHelp::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Form_Resize();
}
