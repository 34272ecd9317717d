#include "common/platform/Cp1252.h"

#include <array>

namespace {

// Bytes 0x80 to 0x9F; the other bytes are their own code points.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Every byte's character, so that decoding a file looks each byte up without a comparison.
constexpr std::array<char16_t, 256> kByteTable = [] {
    std::array<char16_t, 256> table{};
    for (std::size_t b = 0; b < table.size(); ++b) {
        table[b] = b >= 0x80 && b <= 0x9F ? kHighTable[b - 0x80] : static_cast<char16_t>(b);
    }
    return table;
}();

} // namespace

namespace Cp1252 {

char16_t toUnicode(unsigned char byte) {
    return kByteTable[byte];
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

// Both directions write through raw pointers: every file either program reads or writes passes
// through here, and a call per character was most of the time of a save.
QString decode(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (const char byte : bytes) {
        *out++ = kByteTable[static_cast<unsigned char>(byte)];
    }
    return text;
}

void appendEncoded(QByteArray& bytes, QStringView text) {
    const qsizetype start = bytes.size();
    bytes.resize(start + text.size());
    char* const first = bytes.data() + start;
    char* out = first;
    const char16_t* in = text.utf16();
    const char16_t* const end = in + text.size();
    while (in != end) {
        const char16_t ch = *in++;
        if (ch < 0x80) { // nearly every character of a file
            *out++ = static_cast<char>(ch);
            continue;
        }
        // A surrogate pair is one character outside the code page: one '?'.
        if (QChar::isHighSurrogate(ch) && in != end && QChar::isLowSurrogate(*in)) {
            ++in;
            *out++ = '?';
            continue;
        }
        *out++ = fromUnicode(ch);
    }
    bytes.truncate(start + (out - first));
}

QByteArray encode(QStringView text) {
    QByteArray bytes;
    appendEncoded(bytes, text);
    return bytes;
}

} // namespace Cp1252
