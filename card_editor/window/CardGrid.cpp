#include "card_editor/window/CardGrid.h"

#include "card_editor/card/BoxGeometry.h"

#include <QPainter>
#include <QRect>
#include <QSize>

QImage CardGrid::pattern(const QSize& card, int step) {
    QImage image(card, QImage::Format_RGB32);
    if (image.isNull()) {
        return image;
    }
    image.fill(Qt::black);
    const std::vector<int> columns = BoxGeometry::gridLines(card.width() - 1, step);
    const std::vector<int> rows = BoxGeometry::gridLines(card.height() - 1, step);
    constexpr QRgb Line = 0x00FFFFFF; // the colour bits; the alpha stays
    for (int y = 0; y < card.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x : columns) {
            line[x] ^= Line;
        }
    }
    for (int y : rows) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < card.width(); ++x) {
            line[x] ^= Line;
        }
    }
    return image;
}

void CardGrid::paintInverted(QPainter& painter, const QSize& card, int step, const QRect& exposed) {
    const QRect area = exposed.intersected(QRect(QPoint(0, 0), card));
    if (step < 1 || area.isEmpty()) {
        return;
    }
    if (pattern_.size() != card || step_ != step) {
        pattern_ = pattern(card, step);
        step_ = step;
    }
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.drawImage(area.topLeft(), pattern_, area);
    painter.restore();
}
