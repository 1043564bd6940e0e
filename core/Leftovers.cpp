#include "core/Leftovers.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <functional>

namespace {
constexpr int kSuffixLength = 6;
// Lower-case letters at 0, capitals at 26, digits at 52.
constexpr char kAlphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

QChar randomOf(int first, int count) {
    return QLatin1Char(kAlphabet[first + QRandomGenerator::global()->bounded(count)]);
}

// Qt's own writer drew from the same 62 characters, so its leftovers are recognised too.
bool isRandomSuffix(QStringView suffix) {
    if (suffix.size() != kSuffixLength)
        return false;
    bool lower = false, upper = false, digit = false;
    for (const QChar c : suffix) {
        if (c.unicode() > 0x7f || !c.isLetterOrNumber())
            return false;
        lower |= c.isLower();
        upper |= c.isUpper();
        digit |= c.isDigit();
    }
    return int(lower) + int(upper) + int(digit) >= 2;
}

// Removes every leftover in folder whose target's name isTarget accepts.
void removeLeftoversIn(const QString& folder, const std::function<bool(const QString&)>& isTarget) {
    QDir dir(folder);
    for (const QFileInfo& entry : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QString name = entry.fileName();
        const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
        if (dot <= 0 || entry.isSymLink())
            continue;
        const QString target = name.left(dot);
        if (isTarget(target) && isLeftoverOf(name, target))
            dir.remove(name);
    }
}
}  // namespace

QString temporaryNameFor(const QString& path) {
    // One of each kind, then any, in a random order of places.
    QString suffix = QString(randomOf(0, 26)) + randomOf(26, 26) + randomOf(52, 10);
    while (suffix.size() < kSuffixLength)
        suffix += randomOf(0, 62);
    for (int i = kSuffixLength - 1; i > 0; --i)
        std::swap(suffix[i], suffix[QRandomGenerator::global()->bounded(i + 1)]);
    return path + QLatin1Char('.') + suffix;
}

bool isLeftoverOf(const QString& fileName, const QString& targetName) {
    return fileName.size() == targetName.size() + 1 + kSuffixLength && fileName.startsWith(targetName)
        && fileName.at(targetName.size()) == QLatin1Char('.')
        && isRandomSuffix(QStringView(fileName).sliced(targetName.size() + 1));
}

void removeLeftovers(const QString& appFolder, const QString& fieldFolder) {
    const QStringList appFiles{QStringLiteral("Tavik.ini"), QStringLiteral("Igroki.ini"), QStringLiteral("Lidery.ini")};
    removeLeftoversIn(appFolder, [&](const QString& target) { return appFiles.contains(target); });
    removeLeftoversIn(fieldFolder, [](const QString& target) {
        return target.endsWith(QStringLiteral(".tvk"), Qt::CaseInsensitive);
    });
}
