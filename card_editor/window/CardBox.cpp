#include "card_editor/window/CardBox.h"

#include "card_editor/card/BoxGeometry.h"
#include "common/richtext/WindowsKeys.h"

#include <QMouseEvent>
#include <QScrollBar>

void CardBox::showFirstLine() {
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->minimum());
    firstLineOnShow_ = !isVisible();
}

void CardBox::showEvent(QShowEvent* event) {
    RichTextBox::showEvent(event);
    if (firstLineOnShow_) {
        firstLineOnShow_ = false;
        verticalScrollBar()->setValue(verticalScrollBar()->minimum());
    }
}

bool CardBox::emitPointer(QEvent* event, QPoint from) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick) {
        return false;
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPointF at = mouse->position() + QPointF(from);
    const QPoint pixel(BoxGeometry::wholePixels(at.x()), BoxGeometry::wholePixels(at.y()));
    const int shift = WindowsKeys::shiftState(mouse->modifiers());
    if (type == QEvent::MouseButtonPress) {
        emit PointerDown(WindowsKeys::buttonState(mouse->button()), shift, pixel);
    } else if (type == QEvent::MouseMove) {
        emit PointerMove(WindowsKeys::buttonState(mouse->buttons()), shift, pixel);
    } else if (type == QEvent::MouseButtonRelease) {
        emit PointerUp(WindowsKeys::buttonState(mouse->button()), shift, pixel);
    }
    return true;
}

bool CardBox::event(QEvent* event) {
    // Only the border's events come here. Left to the scroll area they would reach the card,
    // where a right press moves the box.
    if (emitPointer(event, QPoint())) {
        event->accept();
        return true;
    }
    return RichTextBox::event(event);
}

bool CardBox::viewportEvent(QEvent* event) {
    const bool handled = RichTextBox::viewportEvent(event);
    emitPointer(event, viewport()->pos());
    return handled;
}
