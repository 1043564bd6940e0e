#include "help/OpURL.h"

#include <QDesktopServices>
#include <QFileInfo>

namespace {
UrlOpener& urlOpener() {
    static UrlOpener opener;
    return opener;
}
}  // namespace

void setUrlOpener(UrlOpener opener) { urlOpener() = std::move(opener); }

void openAddress(const QUrl& address) {
    if (urlOpener())
        urlOpener()(address);
    else
        QDesktopServices::openUrl(address);
}

void OpenUrlFile(const QString& fileName) {
    openAddress(QUrl::fromLocalFile(QFileInfo(fileName).absoluteFilePath()));
}
