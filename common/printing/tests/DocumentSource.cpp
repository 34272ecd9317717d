#include "common/printing/tests/DocumentSource.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>

namespace {

// The document is laid out in pixels of 1/96 inch.
constexpr double TwipsPerLayoutUnit = 15.0;

} // namespace

DocumentSource::DocumentSource(const QString& text, const QFont& font) {
    document_.setDefaultFont(font);
    document_.setDocumentMargin(0);
    document_.setPlainText(text);
}

int DocumentSource::TextLength() const {
    return toCharacters(document_.characterCount() - 1);
}

int DocumentSource::toCharacters(int position) const {
    return position + document_.findBlock(position).blockNumber();
}

int DocumentSource::toDocument(int cp) const {
    for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
        const int start = block.position() + block.blockNumber();
        if (cp <= start + block.length() - 1) {
            return block.position() + std::max(0, cp - start);
        }
    }
    return document_.characterCount() - 1;
}

int DocumentSource::FormatRange(QPainter& painter, const QRect& rc, const QRect&, int cpMin, int,
                                bool render) {
    ++passes;
    document_.setTextWidth(rc.width() / TwipsPerLayoutUnit);
    document_.size(); // lays the lines out
    const double height = rc.height() / TwipsPerLayoutUnit;
    const int start = toDocument(cpMin);
    QTextBlock block = document_.findBlock(start);
    if (!block.isValid()) {
        return TextLength();
    }
    const QTextLayout* first = block.layout();
    const double top =
        first->position().y() + first->lineForTextPosition(start - block.position()).y();
    // The lines that fit, with where each is drawn; lines outside are not drawn at all, so
    // that nothing of them ends up in the output, not even clipped.
    std::vector<std::pair<QTextLine, QPointF>> fitting;
    int next = document_.characterCount() - 1;
    for (bool firstBlock = true; block.isValid(); block = block.next(), firstBlock = false) {
        const QTextLayout* layout = block.layout();
        int i = firstBlock ? layout->lineForTextPosition(start - block.position()).lineNumber() : 0;
        for (; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            if (layout->position().y() + line.y() + line.height() - top > height) {
                break;
            }
            fitting.emplace_back(line, layout->position() - QPointF(0, top));
        }
        if (i < layout->lineCount()) {
            next = block.position() + layout->lineAt(i).textStart();
            break;
        }
    }
    if (render && !fitting.empty()) {
        const QPaintDevice* device = painter.device();
        painter.save();
        painter.translate(rc.left() * device->logicalDpiX() / 1440.0,
                          rc.top() * device->logicalDpiY() / 1440.0);
        painter.scale(device->logicalDpiX() / 96.0, device->logicalDpiY() / 96.0);
        painter.setPen(Qt::black);
        for (const auto& [line, position] : fitting) {
            line.draw(&painter, position);
        }
        painter.restore();
    }
    return toCharacters(next);
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
