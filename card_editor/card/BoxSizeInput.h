#pragma once

#include "card_editor/card/CardLayout.h"

#include <QString>

#include <array>
#include <optional>

// The four fields of the box-size dialog, Top, Left, Width and Height, turned into a box
// rectangle.
namespace BoxSizeInput {

enum Field { Top, Left, Width, Height, FieldCount };

// Where a box goes whose Top or Left was typed below 0, and the smallest size typed.
constexpr int OffCardPosition = 10;
constexpr int MinWidth = 40;
constexpr int MinHeight = 20;
// The layout files hold 16-bit numbers; a larger value could not be read back.
constexpr int LargestValue = 32767;

// Each field's leading number, floored and clamped. nullopt when a field holds a number too
// large to be read, or a value the layout files cannot hold.
std::optional<BoxRect> read(const std::array<QString, FieldCount>& fields);

// A rectangle as the dialog's fields show it, in field order.
std::array<int, FieldCount> fieldValues(const BoxRect& rect);

} // namespace BoxSizeInput
