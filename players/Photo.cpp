#include "players/Photo.h"

#include <QFileInfo>
#include <QImageReader>
#include <algorithm>

#include "core/GameState.h"
#include "ui/FileList.h"

QString photoFolder() { return G.AppFolder + QStringLiteral("Photo/"); }

QImage loadPhoto(const QString& photoFile)
{
    // A name from a players or leaders file may not lead out of the folder.
    if (photoFile.isEmpty() || photoFile.contains(QLatin1Char('/')) || photoFile == QLatin1String(".") ||
        photoFile == QLatin1String(".."))
        return {};
    // A pipe or a device under a photo's name would block the reader; it shows no photo.
    const QString path = photoFolder() + photoFile;
    if (!QFileInfo(path).isFile())
        return {};
    QImageReader reader(path);
    const QSize size = reader.size();
    if (!size.isValid())
        return {};
    // Only the corner a photo box shows is wanted. Where the format can decode just that corner a
    // huge picture costs no more than a small one; elsewhere the whole picture is decoded first, and
    // one too big for that shows as a bad photo rather than take hundreds of megabytes.
    if (!reader.supportsOption(QImageIOHandler::ClipRect) &&
        qint64(size.width()) * size.height() * 4 > kPhotoDecodeBudget)
        return {};
    reader.setClipRect(QRect(0, 0, std::min(size.width(), kPhotoWidth), std::min(size.height(), kPhotoHeight)));
    return reader.read();
}

std::optional<QStringList> photoFiles()
{
    FileList files(QStringLiteral("*"));
    if (!files.setPath(photoFolder()))
        return std::nullopt;
    return files.names();
}
