#include "programmer/window/ClickLabel.h"

#include <QKeyEvent>
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

void ClickLabel::setKeyboardClickable() {
    setFocusPolicy(Qt::TabFocus);
}

void ClickLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (focusPolicy() != Qt::NoFocus && event->modifiers() == Qt::NoModifier &&
        (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::paintEvent(QPaintEvent* event) {
    if (!elided_) {
        QLabel::paintEvent(event);
    } else {
        QPainter painter(this);
        const QRect area = contentsRect();
        const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(area, static_cast<int>(alignment()), shown);
    }
    if (hasFocus()) {
        // Drawn in the text's own colour, so it shows on the dark picture and on light labels.
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}
