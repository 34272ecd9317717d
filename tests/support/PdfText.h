#pragma once

#include <QImage>
#include <QRectF>
#include <QString>
#include <vector>

// What poppler reads back from a PDF: words with their boxes in points from the top-left
// corner of the paper, page by page.
struct PdfWord {
    QString text;
    QRectF box;
};

struct PdfPage {
    double width = 0;
    double height = 0;
    std::vector<PdfWord> words;

    // The union of all word boxes; empty when the page has no text.
    QRectF textBounds() const;
    const PdfWord* find(const QString& text) const;
};

// Empty when pdftotext fails.
std::vector<PdfPage> readPdfWords(const QString& path);

// The pages rendered at 72 dpi in grey (one pixel a point); empty on failure.
std::vector<QImage> renderPages(const QString& path);

// Runs a program, returns its standard output; empty and ok false when it fails.
QByteArray runTool(const QString& program, const QStringList& arguments, bool* ok = nullptr);
