#pragma once
#include <QByteArray>
#include <QString>

// The one-line page that sends the browser on to the address, as written to disk (with CR LF).
QByteArray redirectPage(const QString& address);

// How many numbered page names are tried before giving up on the folder.
constexpr int kRedirectNames = 16;

// The program folder's help page as an address: the game has no web site, and this works offline.
QString helpPageAddress();

// Opens the address in the default browser through a redirect page "0.html", "1.html" … in the
// field folder. When no name there can be written, the address itself is opened.
void SaveFileUrl(const QString& address);
