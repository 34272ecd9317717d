#include "programmer/gamedata/HexDigits.h"

#include <array>

namespace {

// Value of each ASCII character as a digit; lower-case letters are marked by adding 16.
constexpr std::array<signed char, 128> Table = [] {
    std::array<signed char, 128> table{};
    table.fill(-1);
    for (int c = '0'; c <= '9'; ++c) {
        table[c] = static_cast<signed char>(c - '0');
    }
    for (int c = 'A'; c <= 'F'; ++c) {
        table[c] = static_cast<signed char>(c - 'A' + 10);
        table[c - 'A' + 'a'] = static_cast<signed char>(c - 'A' + 10 + 16);
    }
    return table;
}();

int Entry(QChar c) {
    return c.unicode() < Table.size() ? Table[c.unicode()] : -1;
}

// Value of an upper-case digit; -1 for any other character.
int Upper(QChar c) {
    const int entry = Entry(c);
    return entry < 16 ? entry : -1;
}

} // namespace

namespace HexDigits {

int Any(QChar c) {
    const int entry = Entry(c);
    return entry < 0 ? -1 : entry % 16;
}

int UpperPair(QChar high, QChar low) {
    const int h = Upper(high);
    const int l = Upper(low);
    return h < 0 || l < 0 ? -1 : 16 * h + l;
}

} // namespace HexDigits
