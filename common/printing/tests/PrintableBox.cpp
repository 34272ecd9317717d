#include "common/printing/tests/PrintableBox.h"

#include <QStringList>

PrintableBox::PrintableBox(const QString& text, const QString& fontName, double fontSize) {
    box.setText(text);
    box.setSelStart(0);
    box.setSelLength(box.TextLength());
    box.setSelFontName(fontName);
    box.setSelFontSize(fontSize);
    box.setSelStart(0);
}

int PrintableBox::FormatRange(QPainter& painter, const QRect& rc, const QRect& rcPage, int cpMin,
                              int cpMax, bool render) {
    ++passes;
    return box.FormatRange(painter, rc, rcPage, cpMin, cpMax, render);
}

void PrintableBox::FormatRangeDone() {
    ++done;
    box.FormatRangeDone();
}

QString numberedParagraphs(int count, int wordsEach) {
    QStringList paragraphs;
    for (int i = 1; i <= count; ++i) {
        QString paragraph = QStringLiteral("Line %1").arg(i);
        for (int w = 0; w < wordsEach; ++w) {
            paragraph += QStringLiteral(" word");
        }
        paragraphs << paragraph;
    }
    return paragraphs.join(u'\n');
}
