#include "players/Photo.h"

#include <QImageReader>
#include <algorithm>

#include "core/Cp1251.h"
#include "core/GameState.h"
#include "ui/FileList.h"

QString photoFolder() { return G.AppFolder + QStringLiteral("Photo/"); }

QImage loadPhoto(const QString& photoFile)
{
    if (photoFile.isEmpty())
        return {};
    const QImage picture = QImageReader(photoFolder() + photoFile).read();
    return picture.isNull() ? picture : picture.copy(0, 0, std::min(picture.width(), kPhotoWidth),
                                                     std::min(picture.height(), kPhotoHeight));
}

std::optional<QStringList> photoFiles()
{
    FileList files(QStringLiteral("*"));
    if (!files.setPath(photoFolder()))
        return std::nullopt;
    QStringList names;
    for (const QString& name : files.names())
        if (!name.startsWith(QLatin1Char('.')) && fitsCp1251(name))
            names << name;
    return names;
}
