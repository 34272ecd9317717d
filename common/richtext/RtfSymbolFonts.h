#pragma once

#include <QByteArrayView>
#include <QString>

// Fonts of the symbol character set (\fcharset2) draw their own pictures for each byte, so
// their bytes name no letter of any code page. These give the characters the pictures are.
namespace RtfSymbolFonts {

// Pseudo code pages of the decoder: the Symbol font, Wingdings, and any other symbol font.
// 42 is Windows' own number for symbol text.
constexpr int kSymbol = 42;
constexpr int kWingdings = 0x7FFF0001;
constexpr int kOtherSymbol = 0x7FFF0002;

// The pseudo code page of a symbol-charset font of this family.
int codepageOf(const QString& family);

bool isSymbolCodepage(int codepage);

// The character one byte of such a font shows. Bytes with no known character map to U+F0xx,
// where Windows keeps the glyphs of symbol fonts.
char16_t toUnicode(unsigned char byte, int codepage);

QString decode(QByteArrayView bytes, int codepage);

} // namespace RtfSymbolFonts
