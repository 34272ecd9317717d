#pragma once

#include "common/platform/MessageBox.h"

class QWidget;

// The real message box: icon and buttons chosen by the style code.
class QtMessageBox : public MessageBox {
public:
    explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    int MsgBox(const QString& text, int style, const QString& title) override;

private:
    QWidget* parent_;
};
