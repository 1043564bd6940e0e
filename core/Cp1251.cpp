#include "core/Cp1251.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

namespace {
constexpr const char* kEncoding = "windows-1251";
}

QString fromCp1251(QByteArrayView bytes)
{
    QStringDecoder decoder(kEncoding);
    return decoder.decode(bytes);
}

QByteArray toCp1251(const QString& text)
{
    QStringEncoder encoder(kEncoding);
    return encoder.encode(text);
}

bool fitsCp1251(const QString& text)
{
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 32; }))
        return false;
    // The encoder quietly substitutes what it cannot represent, so such text does not come back.
    return fromCp1251(toCp1251(text)) == text;
}
