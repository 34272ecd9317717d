#include "programmer/window/ClickLabel.h"

#include <QMouseEvent>
#include <QPainter>

void ClickLabel::setForeColor(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}

QColor ClickLabel::foreColor() const {
    return palette().color(QPalette::WindowText);
}

void ClickLabel::setBackColor(const QColor& colour) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

QColor ClickLabel::backColor() const {
    return palette().color(QPalette::Window);
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::mousePressEvent(event);
}

void ClickLabel::paintEvent(QPaintEvent* event) {
    if (!elided_) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QRect area = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(area, static_cast<int>(alignment()), shown);
}
