#pragma once
#include <QByteArray>
#include <QString>

// Replaces the file at path by bytes only once they are whole on the disk: written to a temporary
// file beside it, synced and read back, then renamed over it. On any failure the temporary file
// goes and the old file stays as it was. The new file keeps the old one's permissions.
bool replaceDurably(const QString& path, const QByteArray& bytes);
