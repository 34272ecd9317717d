// The mouse on the card and on the movable picture: the right button drags the picture, or the
// current box while the picture cannot move; the left button with the size pointer resizes the
// current box; a release may snap it to the grid.
#include "card_editor/card/BoxGeometry.h"
#include "card_editor/window/CardPictureBox.h"
#include "card_editor/window/FrmTemplate.h"
#include "card_editor/window/MovablePicture.h"
#include "common/richtext/RichTextBox.h"
#include "common/richtext/WindowsKeys.h"

#include <QAction>
#include <QLabel>
#include <QMouseEvent>

namespace {

constexpr int ButtonLeft = 1;
constexpr int ButtonRight = 2;
constexpr int SizePointer = 5;

} // namespace

bool FrmTemplate::cardMouseEvent(QObject* watched, QEvent* event) {
    const bool onCard = watched == backgroundImage_;
    if (!onCard && watched != image1_) {
        return false;
    }
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease) {
        return false;
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const int button =
        WindowsKeys::buttonState(type == QEvent::MouseMove ? mouse->buttons() : mouse->button());
    const int shift = WindowsKeys::shiftState(mouse->modifiers());
    // In pixels from the corner of the card or of the picture.
    const QPointF at = mouse->position();
    const auto x = static_cast<float>(at.x());
    const auto y = static_cast<float>(at.y());
    using Handler = void (FrmTemplate::*)(int, int, float, float);
    Handler handler = nullptr;
    if (type == QEvent::MouseButtonPress) {
        handler = onCard ? &FrmTemplate::BackgroundImage_MouseDown : &FrmTemplate::Image1_MouseDown;
    } else if (type == QEvent::MouseMove) {
        handler = onCard ? &FrmTemplate::BackgroundImage_MouseMove : &FrmTemplate::Image1_MouseMove;
    } else {
        handler = onCard ? &FrmTemplate::BackgroundImage_MouseUp : &FrmTemplate::Image1_MouseUp;
    }
    (this->*handler)(button, shift, x, y);
    event->accept();
    return true;
}

bool FrmTemplate::pictureDraggable() const {
    return menus_.mnuImageVisible->isChecked() && !menus_.mnuImageLocked->isChecked();
}

void FrmTemplate::setMousePointer(int shape) {
    if (shape != 0 && shape != SizePointer) {
        return;
    }
    if (shape == mousePointer_) {
        return;
    }
    mousePointer_ = shape;
    if (shape == SizePointer) {
        setCursor(Qt::SizeAllCursor);
    } else {
        unsetCursor();
    }
}

void FrmTemplate::movePictureTo(double x, double y) {
    const QRect g = image1_->geometry();
    if (setCardRect(*image1_, BoxRect{BoxGeometry::wholePixels(x), BoxGeometry::wholePixels(y),
                                      g.width(), g.height()})) {
        // In front of the card's own picture; the boxes stay in front of it.
        image1_->lower();
    }
}

void FrmTemplate::dragCurrentBoxTo(double cx, double cy, bool toFront) {
    RichTextBox& box = *boxes_.at(CurrentBox);
    if (toFront) {
        box.ZOrder(0);
    }
    setCardRect(box, BoxRect{BoxGeometry::wholePixels(cx), BoxGeometry::wholePixels(cy),
                             box.Width(), box.Height()});
}

void FrmTemplate::cardMouseAt(bool press, int Button, double cx, double cy, bool boxToFront) {
    if (Button == ButtonRight && mousePointer_ == 0) {
        dragCurrentBoxTo(cx, cy, boxToFront);
    }
    // Moving over the card without the left button drops the size pointer.
    if (!press && Button != ButtonLeft && mousePointer_ == SizePointer) {
        setMousePointer(0);
    }
    if (mousePointer_ == SizePointer && Button == ButtonLeft) {
        resizeCurrentBoxTo(cx, cy);
    }
}

void FrmTemplate::cardMouseUp(int Button) {
    if (menus_.mnuImageLocked->isChecked() &&
        ((Button == ButtonLeft && mousePointer_ == SizePointer) || Button == ButtonRight)) {
        applyReleaseOption();
    }
    setMousePointer(0);
}

// --- The card --------------------------------------------------------------------------------

void FrmTemplate::BackgroundImage_MouseDown(int Button, int, float X, float Y) {
    if (pictureDraggable() && Button == ButtonRight) {
        movePictureTo(X, Y);
        return;
    }
    cardMouseAt(true, Button, X, Y, true);
}

void FrmTemplate::BackgroundImage_MouseMove(int Button, int, float X, float Y) {
    if (pictureDraggable() && Button == ButtonRight) {
        movePictureTo(X, Y);
        return;
    }
    cardMouseAt(false, Button, X, Y, false);
}

void FrmTemplate::BackgroundImage_MouseUp(int Button, int, float, float) {
    cardMouseUp(Button);
}

// --- The movable picture ---------------------------------------------------------------------
// A press on the picture itself never drags it; a box dragged from it comes to the front at
// every step.

void FrmTemplate::Image1_MouseDown(int Button, int, float X, float Y) {
    if (!(pictureDraggable() && Button == ButtonRight)) {
        cardMouseAt(true, Button, double(X) + image1_->x(), double(Y) + image1_->y(), true);
    }
}

void FrmTemplate::Image1_MouseMove(int Button, int, float X, float Y) {
    if (!(pictureDraggable() && Button == ButtonRight)) {
        cardMouseAt(false, Button, double(X) + image1_->x(), double(Y) + image1_->y(), true);
    }
}

void FrmTemplate::Image1_MouseUp(int Button, int, float, float) {
    cardMouseUp(Button);
}
