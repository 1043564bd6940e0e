#include "support/PlayersFiles.h"

#include <QListWidget>
#include <QStringEncoder>
#include <QTest>

QByteArray cp1251(const QString& text) {
    QStringEncoder encoder("windows-1251");
    return encoder.encode(text);
}

QByteArray playersFileOf(const std::vector<std::pair<QString, QString>>& players) {
    QByteArray bytes = "[tavik_igroki]\r\n" + (players.empty() ? QByteArray("-1") : " " + QByteArray::number(
                                                                                             qsizetype(players.size()) - 1)) +
                       "\r\n";
    for (const auto& [name, photo] : players)
        bytes += cp1251(name) + "\r\n" + cp1251(photo) + "\r\n";
    return bytes + "\r\n";
}

QRgb stripeColour(int x, int y) {
    return y >= 70 ? qRgb(0, 0, 0) : x < 50 ? qRgb(255, 0, 0) : x < 100 ? qRgb(0, 255, 0) : qRgb(0, 0, 255);
}

QImage stripedPhoto(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, stripeColour(x, y));
    return image;
}

QByteArray gifOf(const QImage& image) {
    const auto bytes = [](std::initializer_list<int> values) {
        QByteArray result;
        for (int value : values)
            result += char(value);
        return result;
    };
    const auto word = [&](int n) { return bytes({n & 0xFF, n >> 8}); };
    constexpr int kClear = 128, kEnd = 129;
    QList<QRgb> palette;
    QByteArray codes = bytes({kClear});
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = image.pixel(x, y) | 0xFF000000u;
            if (!palette.contains(colour))
                palette << colour;
            codes += char(palette.indexOf(colour));
            // Clearing often keeps every code 8 bits wide: one byte per pixel.
            if ((x + y * image.width()) % 100 == 99)
                codes += char(kClear);
        }
    }
    codes += char(kEnd);
    QByteArray gif = "GIF89a" + word(image.width()) + word(image.height()) + bytes({0xE6, 0, 0});
    for (int i = 0; i < 128; ++i) {
        const QRgb colour = palette.value(i);
        gif += bytes({qRed(colour), qGreen(colour), qBlue(colour)});
    }
    gif += bytes({0x2C}) + word(0) + word(0) + word(image.width()) + word(image.height()) + bytes({0, 7});
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        gif += char(block.size()) + block;
    }
    return gif + bytes({0, 0x3B});
}

void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

bool nearColour(QRgb shown, QRgb expected) {
    return std::abs(qRed(shown) - qRed(expected)) < 40 && std::abs(qGreen(shown) - qGreen(expected)) < 40 &&
           std::abs(qBlue(shown) - qBlue(expected)) < 40;
}

void clickLine(QListWidget* list, int row) {
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
}

void doubleClickLine(QListWidget* list, int row) {
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}
