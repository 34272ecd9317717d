#pragma once

#include "common/richtext/RichTextBox.h"

#include <QPoint>

class QMouseEvent;

// A box on the card. Its mouse events carry the pixel the pointer is on, counted from the
// box's corner, and the border is as much the box's own as its text. After a rebuild it can
// show its first line while the caret stays at the end of the text. A drag that sizes it
// leaves no text selected.
class CardBox : public RichTextBox {
    Q_OBJECT

public:
    using RichTextBox::RichTextBox;

    // Scrolls to the first line, now and again when the box is first shown (showing a box
    // scrolls to the caret).
    void showFirstLine();

    // The left-button drag under way now sizes the box: the caret goes to the start with the
    // first line in sight, and the text takes no part in the drag from here to the release.
    void sizeByDrag();

signals:
    void PointerDown(int button, int shift, QPoint pixel);
    void PointerMove(int button, int shift, QPoint pixel);
    void PointerUp(int button, int shift, QPoint pixel);

protected:
    // The border's mouse events.
    bool event(QEvent* event) override;
    // The text's, once the box has handled them.
    bool viewportEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Emits the pointer signal of a mouse event; from is the corner of the widget it came to,
    // in the box's pixels. The left button's release ends a sizing drag.
    void pointerEvent(const QMouseEvent& mouse, QPoint from);
    void scrollToTop();
    // Ends a sizing drag that mouse shows to be over.
    void forgetEndedDrag(const QMouseEvent& mouse);

    bool firstLineOnShow_ = false;
    bool sizing_ = false;
};
