#pragma once

#include <QLabel>

// A label that reports a click of the left mouse button, for the button numbers, text labels and
// mode squares of the controller picture and the mode labels of the programming tab.
class ClickLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    // Text and background colours read back by the window: the colours are the labels' state.
    void setForeColor(const QColor& colour);
    QColor foreColor() const;
    void setBackColor(const QColor& colour);
    QColor backColor() const;

    // Draws a text too long for the label cut short with an ellipsis; text() stays whole.
    void setElided(bool elided) { elided_ = elided; }
    // Lets Tab reach the label and Space or Enter click it, for users without a mouse.
    void setKeyboardClickable();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool elided_ = false;
};
