#pragma once
#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>

// Players' photos: picture files in the folder "Photo" of the program folder.

constexpr int kPhotoWidth = 110;
constexpr int kPhotoHeight = 140;
// The most memory one photo may take while it is decoded.
constexpr qint64 kPhotoDecodeBudget = qint64(24) << 20;

QString photoFolder();  // AppFolder + "Photo/"
// The top-left part of the picture that a photo box shows; a null image when the file is missing
// or no picture, or too big to decode.
QImage loadPhoto(const QString& photoFile);
// The files a player can pick, sorted ignoring letter case: hidden files are left out, and so are
// names the players file could not store. Nothing when the folder is missing.
std::optional<QStringList> photoFiles();
