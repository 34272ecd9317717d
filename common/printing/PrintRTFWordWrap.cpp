#include "common/printing/PrintRTFWordWrap.h"

#include "common/printing/Printer.h"
#include "common/richtext/FormatRange.h"

#include <QRect>
#include <cmath>

namespace {

// Where the two ways of printing differ.
struct PageArea {
    double left;
    double top;
    double rightMargin;
    double bottomMargin;
    double pageWidth; // paper size the margins are measured in
    double pageHeight;
    bool fromPaperEdge; // correct for the border the printer cannot reach
    QRect layoutPage;   // the page the box is laid out for
    bool endJob;
};

int twips(double value) {
    return static_cast<int>(std::lround(value));
}

void printWordWrapped(Printer& printer, FormatRangeSource& box, const PageArea& area) {
    // A blank line opens the job and the page if none is open.
    if (printer.Print(QStringLiteral(" "))) {
        const double offsetX = area.fromPaperEdge ? printer.PhysicalOffsetX() : 0.0;
        const double offsetY = area.fromPaperEdge ? printer.PhysicalOffsetY() : 0.0;
        const int left = twips(area.left - offsetX);
        const int top = twips(area.top - offsetY);
        const int right = twips(area.pageWidth - area.rightMargin - offsetX);
        const int bottom = twips(area.pageHeight - area.bottomMargin - offsetY);
        const QRect rc(left, top, right - left, bottom - top);
        const int textLength = box.TextLength();
        int cpMin = 0;
        while (QPainter* painter = printer.Painter()) {
            const int next = box.FormatRange(*painter, rc, area.layoutPage, cpMin, -1, true);
            // A pass that places nothing more (a rectangle too small for one line) ends it.
            if (next >= textLength || next <= cpMin) {
                break;
            }
            cpMin = next;
            if (!printer.NewPage() || !printer.Print(QStringLiteral(" "))) {
                break;
            }
        }
    }
    if (area.endJob) {
        printer.EndDoc();
    }
    box.FormatRangeDone();
}

} // namespace

void PrintRTF(Printer& printer, FormatRangeSource& box, int LeftMargin, double TopMargin,
              double RightMargin, double BottomMargin) {
    printWordWrapped(printer, box,
                     {static_cast<double>(LeftMargin), TopMargin, RightMargin, BottomMargin,
                      static_cast<double>(printer.Width()), static_cast<double>(printer.Height()),
                      true, QRect(0, 0, printer.ScaleWidth(), printer.ScaleHeight()), true});
}

void PrintRTFRect(Printer& printer, FormatRangeSource& box, int Left, double Top,
                  double RightMargin, double BottomMargin, float PageWidth, float PageHeight) {
    printWordWrapped(
        printer, box,
        {static_cast<double>(Left), Top, RightMargin, BottomMargin, PageWidth, PageHeight, false,
         QRect(0, 0, static_cast<int>(PageWidth), static_cast<int>(PageHeight)), false});
}
