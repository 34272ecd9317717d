#include "card_editor/window/CardBox.h"

#include "card_editor/card/BoxGeometry.h"
#include "common/richtext/WindowsKeys.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScrollBar>

namespace {

// The event as a mouse button or move event, else null.
const QMouseEvent* pointerOf(const QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick) {
        return nullptr;
    }
    return static_cast<const QMouseEvent*>(event);
}

} // namespace

void CardBox::showFirstLine() {
    scrollToTop();
    firstLineOnShow_ = !isVisible();
}

void CardBox::scrollToTop() {
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->minimum());
}

void CardBox::showEvent(QShowEvent* event) {
    RichTextBox::showEvent(event);
    if (firstLineOnShow_) {
        firstLineOnShow_ = false;
        scrollToTop();
    }
}

void CardBox::sizeByDrag() {
    if (sizing_) {
        return;
    }
    sizing_ = true;
    // End the text's own drag selection, and the autoscroll that would go on extending it
    // while the pointer is held below the text. With nothing selected, ending it copies nothing.
    setSelStart(0);
    const QPoint at = viewport()->mapFromGlobal(QCursor::pos());
    QMouseEvent end(QEvent::MouseButtonRelease, at, viewport()->mapToGlobal(at), Qt::LeftButton,
                    Qt::NoButton, QGuiApplication::keyboardModifiers());
    QTextEdit::mouseReleaseEvent(&end);
    // A drag begun on selected text puts the caret where it ends, and the press may have
    // scrolled a little to show the caret it placed.
    setSelStart(0);
    showFirstLine();
}

void CardBox::forgetEndedDrag(const QMouseEvent& mouse) {
    // A left press starts afresh, and a move without the left button ends a sizing drag whose
    // release went elsewhere (a menu, another window).
    if ((mouse.type() == QEvent::MouseButtonPress && mouse.button() == Qt::LeftButton) ||
        (mouse.type() == QEvent::MouseMove && !(mouse.buttons() & Qt::LeftButton))) {
        sizing_ = false;
    }
}

void CardBox::pointerEvent(const QMouseEvent& mouse, QPoint from) {
    const QPointF at = mouse.position() + QPointF(from);
    const QPoint pixel(BoxGeometry::wholePixels(at.x()), BoxGeometry::wholePixels(at.y()));
    const int shift = WindowsKeys::shiftState(mouse.modifiers());
    const QEvent::Type type = mouse.type();
    if (type == QEvent::MouseButtonPress) {
        emit PointerDown(WindowsKeys::buttonState(mouse.button()), shift, pixel);
    } else if (type == QEvent::MouseMove) {
        emit PointerMove(WindowsKeys::buttonState(mouse.buttons()), shift, pixel);
    } else if (type == QEvent::MouseButtonRelease) {
        emit PointerUp(WindowsKeys::buttonState(mouse.button()), shift, pixel);
        if (mouse.button() == Qt::LeftButton) {
            sizing_ = false;
        }
    }
}

bool CardBox::event(QEvent* event) {
    // Only the border's events come here. Left to the scroll area they would reach the card,
    // where a right press moves the box.
    if (const QMouseEvent* mouse = pointerOf(event)) {
        forgetEndedDrag(*mouse);
        pointerEvent(*mouse, QPoint());
        event->accept();
        return true;
    }
    return RichTextBox::event(event);
}

bool CardBox::viewportEvent(QEvent* event) {
    const QMouseEvent* mouse = pointerOf(event);
    if (mouse == nullptr) {
        return RichTextBox::viewportEvent(event);
    }
    forgetEndedDrag(*mouse);
    // While the box is being sized its text takes no part in the drag.
    bool handled = true;
    if (sizing_) {
        event->accept();
    } else {
        handled = RichTextBox::viewportEvent(event);
    }
    pointerEvent(*mouse, viewport()->pos());
    return handled;
}
