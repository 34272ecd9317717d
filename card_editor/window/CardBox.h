#pragma once

#include "common/richtext/RichTextBox.h"

#include <QPoint>

// A box on the card. Its mouse events carry the pixel the pointer is on, counted from the
// box's corner, and the border is as much the box's own as its text. After a rebuild it can
// show its first line while the caret stays at the end of the text.
class CardBox : public RichTextBox {
    Q_OBJECT

public:
    using RichTextBox::RichTextBox;

    // Scrolls to the first line, now and again when the box is first shown (showing a box
    // scrolls to the caret).
    void showFirstLine();

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
    // in the box's pixels. False for any other event.
    bool emitPointer(QEvent* event, QPoint from);

    bool firstLineOnShow_ = false;
};
