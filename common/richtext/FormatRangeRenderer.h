#pragma once

class QPainter;
class QRect;
class QTextDocument;

// Lays a range of a document out for a rectangle of a paint device and draws the lines that fit.
namespace FormatRangeRenderer {

// Lays out the document positions [from, to) (to -1: the end) for the width of area, given in
// twips from the painter's origin and converted with the paint device's resolution, and draws
// the lines that fit in its height when draw is true. Returns the document position of the
// first character not placed: `to` when everything fits, `from` when not even one line does.
int render(const QTextDocument& document, QPainter& painter, const QRect& area, int from, int to,
           bool draw);

} // namespace FormatRangeRenderer
