#pragma once

#include "common/platform/MessageBox.h"

#include <QPointer>
#include <QWidget>

// The real message box: icon and buttons chosen by the style code. Each box is owned by a
// window: the one set here, else the active window, else the program's main window. A main
// window still being set up (a box while start-up reopens the last file) is shown first, so
// that the box appears over it rather than alone.
class QtMessageBox : public MessageBox {
public:
    explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    int MsgBox(const QString& text, int style, const QString& title) override;

    // The window the next box would belong to; null when the program has none.
    QWidget* owner() const;

private:
    QPointer<QWidget> parent_;
};
