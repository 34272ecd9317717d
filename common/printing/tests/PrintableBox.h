#pragma once

#include "common/richtext/FormatRange.h"
#include "common/richtext/RichTextBox.h"

#include <QString>

// A rich-text box filled with text in one font, with a count of the format passes printing
// asks of it and of the times it frees its formatting.
class PrintableBox : public FormatRangeSource {
public:
    explicit PrintableBox(const QString& text, const QString& fontName = QStringLiteral("Arial"),
                          double fontSize = 12.0);

    int TextLength() const override { return box.TextLength(); }
    int FormatRange(QPainter& painter, const QRect& rc, const QRect& rcPage, int cpMin, int cpMax,
                    bool render) override;
    void FormatRangeDone() override;

    RichTextBox box;
    int passes = 0;
    int done = 0;
};

// Paragraphs "Line 1 word word ...", "Line 2 ...": text for as many pages as needed.
QString numberedParagraphs(int count, int wordsEach = 12);
