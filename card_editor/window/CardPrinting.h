#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <vector>

class MessageBox;
class Printer;
class RichTextBox;

// What goes on paper: the card picture, the movable picture when it is shown, and the text
// of every box in its place, at the size they have on screen.
struct CardSheet {
    QImage background;       // the card picture; may be null
    QSize cardSize;          // the card's inner size in screen pixels
    bool imageShown = false; // the movable picture's "Visible" mark
    QImage image;
    QRect imageRect;                 // on the card, pixels
    std::vector<RichTextBox*> boxes; // in box order
    double twipsPerPixelX = 15.0;
    double twipsPerPixelY = 15.0;
};

namespace CardPrinting {

// The question asked when the card is larger than the paper.
QString oversizeQuestion(QSize card, int paperWidthTwips, int paperHeightTwips, double tppx,
                         double tppy);

// Prints the card centred on one portrait page. The printer count is checked first; a card
// larger than the paper is printed only when the user agrees. The printer's orientation is
// restored afterwards.
void PrintCard(const CardSheet& sheet, Printer& printer, MessageBox& messageBox);

// Message shown when no printer is installed.
void ReportNoPrinter(MessageBox& messageBox);

} // namespace CardPrinting
