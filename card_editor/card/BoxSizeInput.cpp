#include "card_editor/card/BoxSizeInput.h"

#include "card_editor/card/LeadingNumber.h"

#include <cmath>

namespace BoxSizeInput {

std::optional<BoxRect> read(const std::array<QString, FieldCount>& fields) {
    std::array<double, FieldCount> v{};
    for (int i = 0; i < FieldCount; ++i) {
        const std::optional<double> number = LeadingNumber::value(fields[i]);
        if (!number) {
            return std::nullopt;
        }
        v[i] = std::floor(*number);
    }
    if (v[Top] < 0) {
        v[Top] = OffCardPosition;
    }
    if (v[Left] < 0) {
        v[Left] = OffCardPosition;
    }
    if (v[Width] < MinWidth) {
        v[Width] = MinWidth;
    }
    if (v[Height] < MinHeight) {
        v[Height] = MinHeight;
    }
    for (double value : v) {
        if (value > LargestValue) {
            return std::nullopt;
        }
    }
    return BoxRect{int(v[Left]), int(v[Top]), int(v[Width]), int(v[Height])};
}

std::array<int, FieldCount> fieldValues(const BoxRect& rect) {
    return {rect.top, rect.left, rect.width, rect.height};
}

} // namespace BoxSizeInput
