#pragma once

#include "card_editor/card/CardLayout.h"

#include <optional>
#include <vector>

// The arithmetic of placing boxes on the card: the grid, the sizes a mouse drag may give, and
// the range the layout files can hold.
namespace BoxGeometry {

constexpr int DefaultGridCellSize = 5;
constexpr int MinGridCellSize = 2;
constexpr int MaxGridCellSize = 100;

// A drag makes a box wider than 40 and taller than 20 pixels, never smaller.
constexpr int DragMinWidth = 40;
constexpr int DragMinHeight = 20;

// A grid step as the grid-size dialog accepts it: below 2 becomes 5, above 100 becomes 100.
int clampedCellSize(int step);

// The largest multiple of step not above value (steps below 1 leave the value alone).
int gridFloor(int value, int step);

// Whether the layout files can hold the rectangle: every number a 16-bit one, sizes not
// negative. A rectangle they cannot hold would end the reading of the file it is saved in.
bool fitsLayout(const BoxRect& rect);

// The rectangle with its corner on the grid; empty when the result would not fit the layout.
std::optional<BoxRect> snapped(const BoxRect& rect, int step);
// The corner on the grid and each size grown to the next whole cell above it; empty when the
// result would not fit the layout.
std::optional<BoxRect> resizedToGrid(const BoxRect& rect, int step);

// The size a drag gives when it ends size pixels from the box's corner; empty when that is not
// above the minimum or beyond the layout's range, so the old size stays.
std::optional<int> draggedSize(long long size, int minimum);

// A position in whole pixels, the largest not above it. Anything beyond a billion pixels is far
// off any card and reads as a billion, so that whatever an event carries converts.
int wholePixels(double v);

// The card coordinates 0, step, 2 step, ... up to extent that grid lines are drawn at, limited
// to those from first to last.
std::vector<int> gridLines(int extent, int step, int first = 0, int last = -1);

} // namespace BoxGeometry
