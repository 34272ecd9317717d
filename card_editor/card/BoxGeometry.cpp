#include "card_editor/card/BoxGeometry.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <limits>

namespace BoxGeometry {
namespace {

constexpr long long LayoutMin = std::numeric_limits<qint16>::min();
constexpr long long LayoutMax = std::numeric_limits<qint16>::max();

long long floorTo(long long value, long long step) {
    long long q = value / step;
    if (value % step != 0 && value < 0) {
        --q;
    }
    return q * step;
}

bool inLayout(long long v) {
    return v >= LayoutMin && v <= LayoutMax;
}

std::optional<BoxRect> checked(long long left, long long top, long long width, long long height) {
    if (!inLayout(left) || !inLayout(top) || !inLayout(width) || !inLayout(height) || width < 0 ||
        height < 0) {
        return std::nullopt;
    }
    return BoxRect{int(left), int(top), int(width), int(height)};
}

} // namespace

int clampedCellSize(int step) {
    if (step < MinGridCellSize) {
        return DefaultGridCellSize;
    }
    return std::min(step, MaxGridCellSize);
}

int gridFloor(int value, int step) {
    if (step < 1) {
        return value;
    }
    return int(std::clamp<long long>(floorTo(value, step), std::numeric_limits<int>::min(),
                                     std::numeric_limits<int>::max()));
}

bool fitsLayout(const BoxRect& r) {
    return checked(r.left, r.top, r.width, r.height).has_value();
}

std::optional<BoxRect> snapped(const BoxRect& r, int step) {
    if (step < 1) {
        return std::nullopt;
    }
    return checked(floorTo(r.left, step), floorTo(r.top, step), r.width, r.height);
}

std::optional<BoxRect> resizedToGrid(const BoxRect& r, int step) {
    if (step < 1) {
        return std::nullopt;
    }
    return checked(floorTo(r.left, step), floorTo(r.top, step), floorTo(r.width, step) + step,
                   floorTo(r.height, step) + step);
}

std::optional<int> draggedSize(long long size, int minimum) {
    if (size <= minimum || size > LayoutMax) {
        return std::nullopt;
    }
    return int(size);
}

int wholePixels(double v) {
    constexpr double Far = 1e9;
    if (!(v > -Far)) {
        return -int(Far);
    }
    if (!(v < Far)) {
        return int(Far);
    }
    return static_cast<int>(std::floor(v));
}

std::vector<int> gridLines(int extent, int step, int first, int last) {
    std::vector<int> at;
    if (step < 1 || extent < 0) {
        return at;
    }
    if (last < 0 || last > extent) {
        last = extent;
    }
    // The first line at or after first; the walk cannot overflow since last fits an int.
    long long x = first <= 0 ? 0 : floorTo(first + step - 1LL, step);
    for (; x <= last; x += step) {
        at.push_back(int(x));
    }
    return at;
}

} // namespace BoxGeometry
