#include "help/SaveFileUrl.h"

#include <QUrl>

#include "core/Cp1251.h"
#include "core/GameState.h"
#include "core/TextFile.h"
#include "help/OpURL.h"
#include "ui/Events.h"

QByteArray redirectPage(const QString& address) {
    const QString page = QStringLiteral("<html><head><meta http-equiv='refresh' content='0; url=") + address +
                         QStringLiteral("'><meta http-equiv='Content-Type' content='text/html; "
                                        "charset=windows-1251'><title>WWW</title></head><body></body></html>");
    return toCp1251(page) + "\r\n";
}

QString helpPageAddress() {
    // Percent-encoded, so a folder name in any script survives the page's Windows-1251.
    return QString::fromLatin1(QUrl::fromLocalFile(G.AppFolder + QStringLiteral("Help.htm")).toEncoded());
}

void SaveFileUrl(const QString& address) {
    const QByteArray page = redirectPage(address);
    // A name may be held by a browser still showing it, so the next one is tried; a folder that
    // cannot be written at all must not keep the game trying for ever.
    for (int i = 0; i < kRedirectNames; ++i) {
        const QString fileName = G.FieldFolder + QString::number(i) + QStringLiteral(".html");
        if (writeFileAtomically(fileName, page) == WriteStatus::Ok) {
            DoEvents();
            OpenUrlFile(fileName);
            return;
        }
    }
    openAddress(QUrl(address));
}
