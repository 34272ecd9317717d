#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The number at the start of a typed text, as Quillet's small number dialogs read their
// fields: blanks anywhere are passed over, reading stops at the first character that cannot
// continue the number, and a text that does not start with a number reads as 0 ("15px" is 15,
// "abc" is 0, " 1 2" is 12).
namespace LeadingNumber {

// The number read; nullopt for a number too large to be held at all (1e400).
std::optional<double> value(const QString& text);

// The largest whole number not above it, or nothing when that is not a 16-bit number.
std::optional<qint16> wholeNumber(const QString& text);

} // namespace LeadingNumber
