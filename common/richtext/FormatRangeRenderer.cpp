#include "common/richtext/FormatRangeRenderer.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <memory>

namespace FormatRangeRenderer {
namespace {

constexpr double kTwipsPerInch = 1440.0;

// A copy of the document holding only [from, to).
std::unique_ptr<QTextDocument> copyOfRange(const QTextDocument& document, int from, int to) {
    std::unique_ptr<QTextDocument> copy(document.clone());
    copy->setUndoRedoEnabled(false);
    const int end = copy->characterCount() - 1;
    QTextCursor cursor(copy.get());
    if (to < end) {
        cursor.setPosition(to);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    if (from > 0) {
        // The paragraph the range starts in keeps its own format.
        cursor.setPosition(0);
        cursor.setPosition(from, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    return copy;
}

struct Fit {
    int stop = -1;         // copy position of the first line that does not fit, -1 for none
    double clipBottom = 0; // where drawing must end
};

Fit fitLines(QTextDocument& copy, double height) {
    QAbstractTextDocumentLayout* layout = copy.documentLayout();
    Fit fit;
    fit.clipBottom = height;
    for (QTextBlock block = copy.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* lines = block.layout();
        const QPointF origin =
            layout->blockBoundingRect(block).topLeft() - lines->boundingRect().topLeft();
        for (int i = 0; i < lines->lineCount(); ++i) {
            const QTextLine line = lines->lineAt(i);
            const double top = origin.y() + line.y();
            if (top + line.height() > height) {
                fit.stop = block.position() + line.textStart();
                fit.clipBottom = std::min(top, height);
                return fit;
            }
        }
    }
    return fit;
}

} // namespace

int render(const QTextDocument& document, QPainter& painter, const QRect& area, int from, int to,
           bool draw) {
    const int end = document.characterCount() - 1;
    to = (to < 0 || to > end) ? end : to;
    from = std::clamp(from, 0, to);
    QPaintDevice* device = painter.device();
    if (device == nullptr || from >= to) {
        return from;
    }
    const double dpiX = device->logicalDpiX();
    const double dpiY = device->logicalDpiY();
    const QRectF target(area.left() * dpiX / kTwipsPerInch, area.top() * dpiY / kTwipsPerInch,
                        area.width() * dpiX / kTwipsPerInch, area.height() * dpiY / kTwipsPerInch);
    if (target.width() <= 0 || target.height() <= 0) {
        return from;
    }

    const std::unique_ptr<QTextDocument> copy = copyOfRange(document, from, to);
    copy->documentLayout()->setPaintDevice(device);
    copy->setDocumentMargin(0);
    copy->setTextWidth(target.width());
    const Fit fit = fitLines(*copy, target.height());
    if (fit.stop == 0) {
        return from;
    }
    if (draw) {
        if (fit.stop > 0) {
            // Drop what did not fit: text hidden only by the clip would still be in a PDF.
            // The blank that ended the last line goes too, or a centred line would shift.
            int cutAt = fit.stop;
            const int blockStart = copy->findBlock(cutAt).position();
            while (cutAt > blockStart && copy->characterAt(cutAt - 1).isSpace()) {
                --cutAt;
            }
            QTextCursor cut(copy.get());
            cut.setPosition(cutAt);
            cut.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
            cut.removeSelectedText();
        }
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, 0, target.width(), fit.clipBottom);
        context.palette.setColor(QPalette::Text, Qt::black);
        painter.save();
        painter.translate(target.topLeft());
        painter.setClipRect(context.clip, Qt::IntersectClip);
        copy->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return fit.stop < 0 ? to : from + fit.stop;
}

} // namespace FormatRangeRenderer
