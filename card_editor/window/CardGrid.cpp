#include "card_editor/window/CardGrid.h"

#include "card_editor/card/BoxGeometry.h"

#include <QPainter>
#include <QRect>
#include <QSize>

namespace CardGrid {

void paintInverted(QPainter& painter, const QSize& card, int step, const QRect& exposed) {
    const QRect area = exposed.intersected(QRect(QPoint(0, 0), card));
    if (step < 1 || area.isEmpty()) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    // Filled one-pixel rectangles cover exactly the pixels of each line, ends included.
    for (int x : BoxGeometry::gridLines(card.width(), step, area.left(), area.right())) {
        painter.fillRect(QRect(x, area.top(), 1, area.height()), Qt::black);
    }
    for (int y : BoxGeometry::gridLines(card.height(), step, area.top(), area.bottom())) {
        painter.fillRect(QRect(area.left(), y, area.width(), 1), Qt::black);
    }
    painter.restore();
}

} // namespace CardGrid
