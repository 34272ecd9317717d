#pragma once

#include "card_editor/window/CardPictureBox.h"
#include "card_editor/window/MovablePicture.h"
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
    void startShown() {
        start().show();
        QApplication::processEvents();
    }
    QAction* action(const QString& name) { return window->findChild<QAction*>(name); }
    void setChecked(const char* name, bool on) {
        if (action(name)->isChecked() != on) {
            action(name)->trigger();
        }
    }
    RichTextBox& box(int i) { return window->RTFbtn(i); }
    QRect rect(int i) { return box(i).geometry(); }
    void place(int i, const QRect& r) { box(i).setGeometry(r); }

    // The mouse on box i at a point from the box's corner, on the card or on the picture.
    using Action = void (*)(QWidget*, Qt::MouseButton, Qt::KeyboardModifiers, QPoint, int);
    void onBox(Action a, int i, QPoint p, Qt::MouseButton b = Qt::LeftButton) {
        a(box(i).viewport(), b, {}, p - box(i).viewport()->pos(), -1);
    }
    void onCard(Action a, QPoint p, Qt::MouseButton b = Qt::RightButton) {
        a(&window->BackgroundImage(), b, {}, p, -1);
    }
    void onPicture(Action a, QPoint p, Qt::MouseButton b = Qt::RightButton) {
        a(&window->Image1(), b, {}, p, -1);
    }
    static void move(QWidget* w, Qt::MouseButton, Qt::KeyboardModifiers, QPoint p, int) {
        QTest::mouseMove(w, p);
    }
    static constexpr Action press = &QTest::mousePress;
    static constexpr Action release = &QTest::mouseRelease;
    // A move without a button, as the pointer passing over.
    static void hover(QWidget* w, QPoint p) {
        QMouseEvent e(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton, {});
        QApplication::sendEvent(w, &e);
    }
    void hoverBox(int i, QPoint p) { hover(box(i).viewport(), p - box(i).viewport()->pos()); }
};
