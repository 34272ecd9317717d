#pragma once

#include "card_editor/window/CardPictureBox.h"
#include "card_editor/window/tests/QuilletFixture.h"
#include "common/richtext/RichTextBox.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

// Quillet's window shown, with the mouse and keys of a user on its boxes, card and picture.
class EditingFixture : public QuilletFixture {
protected:
    FrmTemplate& startShown() {
        start();
        window->show();
        QApplication::processEvents();
        return *window;
    }

    QAction* action(const char* name) { return window->findChild<QAction*>(name); }
    RichTextBox& box(int i) { return window->RTFbtn(i); }
    QRect rect(int i) { return box(i).geometry(); }
    void place(int i, const QRect& r) { box(i).setGeometry(r); }
    void setChecked(const char* name, bool on) {
        if (action(name)->isChecked() != on) {
            action(name)->trigger();
        }
    }

    // Mouse on box i at a point measured from the box's corner, as the user's pointer.
    QWidget* at(int i) { return box(i).viewport(); }
    QPoint local(int i, QPoint p) { return p - box(i).viewport()->pos(); }
    void hover(int i, QPoint p) { hoverOver(at(i), local(i, p)); }
    // A move without a button, as the pointer passing over.
    static void hoverOver(QWidget* w, QPoint p) {
        QMouseEvent move(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    }
    void press(int i, QPoint p, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mousePress(at(i), b, {}, local(i, p));
    }
    void drag(int i, QPoint p) { QTest::mouseMove(at(i), local(i, p)); }
    void release(int i, QPoint p, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseRelease(at(i), b, {}, local(i, p));
    }

    // Mouse on the card, at card pixels.
    QWidget* card() { return &window->BackgroundImage(); }
    void pressCard(QPoint p, Qt::MouseButton b = Qt::RightButton) {
        QTest::mousePress(card(), b, {}, p);
    }
    void moveCard(QPoint p) { QTest::mouseMove(card(), p); }
    void releaseCard(QPoint p, Qt::MouseButton b = Qt::RightButton) {
        QTest::mouseRelease(card(), b, {}, p);
    }
};
