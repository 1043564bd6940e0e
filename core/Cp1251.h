#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The game's files hold Windows-1251 bytes; this is the one place that converts them.
QString fromCp1251(QByteArrayView bytes);
QByteArray toCp1251(const QString& text);
// Every character has a byte of its own and none is a control character.
bool fitsCp1251(const QString& text);
