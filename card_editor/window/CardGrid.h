#pragma once

class QPainter;
class QRect;
class QSize;

// The grid shown over the card: lines of one pixel every step pixels, each inverting the pixels
// it covers. Where two lines cross the pixel is inverted twice and shows the card's own colour.
namespace CardGrid {

// Paints the part of the grid that lies in exposed, on a card of the given size.
void paintInverted(QPainter& painter, const QSize& card, int step, const QRect& exposed);

} // namespace CardGrid
