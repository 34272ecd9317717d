#include "programmer/window/DocumentToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>
#include <iterator>

namespace {

constexpr int Size = 32; // drawn large, scaled down by the toolbar

const QColor Ink(40, 40, 40);
const QColor Paper(255, 255, 255);
const QColor Folder(230, 190, 80);
const QColor Disk(60, 90, 160);

void page(QPainter& p, const QRectF& r) {
    // A sheet with its top-right corner folded.
    const qreal fold = r.width() / 3;
    QPainterPath sheet;
    sheet.moveTo(r.topLeft());
    sheet.lineTo(r.right() - fold, r.top());
    sheet.lineTo(r.right(), r.top() + fold);
    sheet.lineTo(r.bottomRight());
    sheet.lineTo(r.bottomLeft());
    sheet.closeSubpath();
    p.setBrush(Paper);
    p.drawPath(sheet);
    p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
    p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void textLines(QPainter& p, int count, Qt::Alignment alignment) {
    for (int i = 0; i < count; ++i) {
        const int width = i % 2 == 0 ? 24 : 14;
        int left = 4;
        if (alignment == Qt::AlignHCenter) {
            left = (Size - width) / 2;
        } else if (alignment == Qt::AlignRight) {
            left = Size - 4 - width;
        }
        p.fillRect(QRect(left, 5 + i * 6, width, 3), Ink);
    }
}

void letter(QPainter& p, const QString& text, int index) {
    QFont font(QStringLiteral("Serif"));
    font.setPixelSize(24);
    font.setBold(index == 11);
    font.setItalic(index == 12);
    font.setUnderline(index == 13);
    font.setStrikeOut(index == 14);
    p.setFont(font);
    p.setPen(Ink);
    p.drawText(QRect(0, 0, Size, Size), Qt::AlignCenter, text);
}

void draw(QPainter& p, int index) {
    p.setPen(QPen(Ink, 1.5));
    switch (index) {
    case 1: // new
        page(p, QRectF(7, 3, 18, 26));
        break;
    case 2: { // open
        p.setBrush(Folder.darker(115));
        p.drawRect(QRectF(3, 8, 24, 18));
        p.drawRect(QRectF(3, 5, 10, 4));
        p.setBrush(Folder);
        QPolygonF front;
        front << QPointF(3, 26) << QPointF(8, 13) << QPointF(30, 13) << QPointF(27, 26);
        p.drawPolygon(front);
        break;
    }
    case 3: // save
        p.setBrush(Disk);
        p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
        p.setBrush(Paper);
        p.drawRect(QRectF(9, 4, 14, 9));
        p.setBrush(Disk.lighter(150));
        p.drawRect(QRectF(9, 18, 14, 10));
        break;
    case 5: // print
        page(p, QRectF(9, 2, 14, 12));
        p.setBrush(QColor(170, 170, 170));
        p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
        p.setBrush(Paper);
        p.drawRect(QRectF(8, 20, 16, 9));
        break;
    case 7: // cut: open scissors
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(11, 4), QPointF(20, 22));
        p.drawLine(QPointF(21, 4), QPointF(12, 22));
        p.drawEllipse(QPointF(10, 25), 4, 4);
        p.drawEllipse(QPointF(22, 25), 4, 4);
        break;
    case 8: // copy
        page(p, QRectF(4, 3, 15, 20));
        page(p, QRectF(13, 9, 15, 20));
        break;
    case 9: // paste: a clipboard with a sheet on it
        p.setBrush(QColor(180, 130, 70));
        p.drawRoundedRect(QRectF(4, 5, 20, 24), 2, 2);
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(10, 3, 8, 5));
        page(p, QRectF(14, 12, 14, 18));
        break;
    case 11:
        letter(p, QStringLiteral("B"), index);
        break;
    case 12:
        letter(p, QStringLiteral("I"), index);
        break;
    case 13:
        letter(p, QStringLiteral("U"), index);
        break;
    case 14:
        letter(p, QStringLiteral("S"), index);
        break;
    case 16:
        textLines(p, 4, Qt::AlignLeft);
        break;
    case 17:
        textLines(p, 4, Qt::AlignHCenter);
        break;
    case 18:
        textLines(p, 4, Qt::AlignRight);
        break;
    default:
        break;
    }
}

} // namespace

QIcon documentToolIcon(int index) {
    static constexpr int Drawn[] = {1, 2, 3, 5, 7, 8, 9, 11, 12, 13, 14, 16, 17, 18};
    if (std::find(std::begin(Drawn), std::end(Drawn), index) == std::end(Drawn)) {
        return {};
    }
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter, index);
    painter.end();
    return QIcon(pixmap);
}
