#pragma once
#include <QString>
#include <QUrl>
#include <functional>

// Opens a file or a web address with the desktop's default program. Errors are ignored: there is
// nothing the game could do about a missing browser.
void OpenUrlFile(const QString& fileName);
void openAddress(const QUrl& address);

// A test replaces the desktop with a recorder; null restores it.
using UrlOpener = std::function<void(const QUrl&)>;
void setUrlOpener(UrlOpener opener);
