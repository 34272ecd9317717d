#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The numbers typed into the small size dialogs.
namespace DialogNumber {

// The floor of the text's leading number (blanks, an optional sign, digits and a fraction;
// anything after it is ignored, and text without a number reads as 0): "12.7" is 12, "-0.5"
// is -1, "abc" is 0. nullopt when the value does not fit a 16-bit signed integer.
std::optional<qint16> read(const QString& text);

} // namespace DialogNumber
