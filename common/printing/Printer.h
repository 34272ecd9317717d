#pragma once

#include <QString>

class QImage;
class QPainter;

// The system printer as both programs use it: a job of pages, sizes in twips (1440 per
// inch). Drawing coordinates are twips from the top-left corner of the printable area.
// An operation that cannot be done (no printer, a job that fails to start) returns false
// and leaves the printer as it was; nothing throws.
class Printer {
public:
    static constexpr int Portrait = 1;
    static constexpr int Landscape = 2;

    virtual ~Printer() = default;

    // Prints one line of text at the current position in the current font and moves the
    // position to the start of the next line. Starts the job and its first page if none is
    // open.
    virtual bool Print(const QString& line) = 0;
    virtual void SetFontBold(bool bold) = 0;
    virtual bool FontBold() const = 0;

    // Ends the current page and starts the next one at the top (starts the job if none).
    virtual bool NewPage() = 0;
    // Ends the job and sends it to the printer; does nothing when no job is open.
    virtual bool EndDoc() = 0;
    virtual bool JobOpen() const = 0;

    // Paper size in the current orientation.
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Printable area.
    virtual int ScaleWidth() const = 0;
    virtual int ScaleHeight() const = 0;
    // Distance of the printable area from the paper's top-left corner.
    virtual int PhysicalOffsetX() const = 0;
    virtual int PhysicalOffsetY() const = 0;

    // Draws the picture with its top-left corner at (x, y), w by h; a w or h of 0 or less
    // takes the picture's own size, its pixels as large as on screen. Starts the job if none.
    virtual bool PaintPicture(const QImage& picture, double x, double y, double w = 0,
                              double h = 0) = 0;

    virtual int Orientation() const = 0;
    // Takes effect for the next page when a job is open.
    virtual void SetOrientation(int orientation) = 0;

    // The painter of the current page for rendering formatted text, its origin at the
    // printable area's top-left corner, in device pixels (the device's dpi converts twips);
    // null when no job is open.
    virtual QPainter* Painter() = 0;
};

// Number of printers the system offers.
int PrinterCount();
