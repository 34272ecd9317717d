#include "common/platform/Cp1252.h"

#include <array>

namespace {

// Bytes 0x80 to 0x9F; the other bytes are their own code points.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

namespace Cp1252 {

char16_t toUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kHighTable[byte - 0x80];
    }
    return byte;
}

char fromUnicode(char16_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) {
        return static_cast<char>(ch);
    }
    for (std::size_t i = 0; i < kHighTable.size(); ++i) {
        if (kHighTable[i] == ch) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

bool canEncode(QStringView text) {
    for (const QChar ch : text) {
        if (ch != u'?' && fromUnicode(ch.unicode()) == '?') {
            return false;
        }
    }
    return true;
}

QString decode(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        text.append(QChar(toUnicode(static_cast<unsigned char>(byte))));
    }
    return text;
}

QByteArray encode(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        // A surrogate pair is one character outside the code page: one '?'.
        if (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
            bytes.append('?');
            continue;
        }
        bytes.append(fromUnicode(ch.unicode()));
    }
    return bytes;
}

} // namespace Cp1252
