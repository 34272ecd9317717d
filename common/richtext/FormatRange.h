#pragma once

class QPainter;
class QRect;

// What page printing needs of a rich-text box: its text length and the rendering of a range of
// its characters into a rectangle of a paint device.
class FormatRangeSource {
public:
    virtual ~FormatRangeSource() = default;

    // Characters of the plain text, a paragraph break counting two (CR LF).
    virtual int TextLength() const = 0;

    // Lays out the characters from cpMin (to the end when cpMax is -1) into rc, in twips from
    // the painter's origin, for a page of rcPage (twips); draws them when render is true.
    // Returns the index of the first character that did not fit, in the same counting as
    // TextLength().
    virtual int FormatRange(QPainter& painter, const QRect& rc, const QRect& rcPage, int cpMin,
                            int cpMax, bool render) = 0;

    // Frees what FormatRange cached.
    virtual void FormatRangeDone() {}
};
