#pragma once

#include <QChar>

// Hexadecimal digits looked up in a table: every field of a game file and every code of a key
// text passes here, once or twice per open.
namespace HexDigits {

// Value of a digit of either case; -1 for any other character.
int Any(QChar c);

// Value of two upper-case digits; -1 when either is not one, as codes compare exactly.
int UpperPair(QChar high, QChar low);

} // namespace HexDigits
