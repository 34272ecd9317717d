#pragma once

#include "common/richtext/FormatRange.h"

#include <QFont>
#include <QTextDocument>

// Plain text in a QTextDocument, printable page by page: the stand-in for a rich-text box in
// the printing tests. Paragraph breaks count two characters, as in the box.
class DocumentSource : public FormatRangeSource {
public:
    explicit DocumentSource(const QString& text, const QFont& font = QFont("Arial", 12));

    int TextLength() const override;
    int FormatRange(QPainter& painter, const QRect& rc, const QRect& rcPage, int cpMin, int cpMax,
                    bool render) override;
    void FormatRangeDone() override { ++done; }

    int passes = 0;
    int done = 0;

private:
    int toDocument(int cp) const;
    int toCharacters(int position) const;

    QTextDocument document_;
};

// Paragraphs "Line 1 ...", "Line 2 ..." of some words each: enough text for several pages.
QString numberedParagraphs(int count, int wordsEach = 12);
