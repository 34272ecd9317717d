#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// Windows-1252, the one-byte character set of every text file both programs read and write.
// The five bytes that code page leaves undefined map to the C1 control of the same value, so
// that any byte string survives a round trip unchanged.
namespace Cp1252 {

// The Unicode character of one byte.
char16_t toUnicode(unsigned char byte);

// The byte of one character, or '?' where Windows-1252 has none.
char fromUnicode(char16_t ch);

// Whether every character of text has a byte of its own, so that it reads back unchanged.
bool canEncode(QStringView text);

QString decode(const QByteArray& bytes);
QByteArray encode(QStringView text);
// Appends the bytes of text, as encode makes them, without a byte array of their own.
void appendEncoded(QByteArray& bytes, QStringView text);

} // namespace Cp1252
