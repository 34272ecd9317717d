#pragma once

#include <QImage>

class QPainter;
class QRect;
class QSize;

// The grid shown over the card: lines of one pixel every step pixels, each inverting the pixels
// it covers. Where two lines cross the pixel is inverted twice and shows the card's own colour.
class CardGrid {
public:
    // Paints the part of the grid that lies in exposed, on a card of the given size.
    void paintInverted(QPainter& painter, const QSize& card, int step, const QRect& exposed);

    // The grid as a pattern to combine with the card by exclusive or: white where one line
    // covers a pixel, black elsewhere and where two lines cross.
    static QImage pattern(const QSize& card, int step);

private:
    QImage pattern_;
    int step_ = 0;
};
