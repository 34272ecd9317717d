#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// Reading a number typed into a field the way the small number dialogs do: blanks anywhere are
// ignored, the number is read from the start up to the first character that cannot continue
// it, and text that does not start with a number reads as 0.
namespace LeadingNumber {

// The number read, as written (sign, digits, decimal point, exponent); 0 when there is none.
double value(const QString& text);

// The largest whole number not above it, or nothing when that is not a 16-bit number.
std::optional<qint16> wholeNumber(const QString& text);

} // namespace LeadingNumber
