#pragma once

#include <QWidget>

#include <QFont>
#include <QRect>

#include <array>
#include <functional>
#include <vector>

class ClickLabel;
class QLabel;

// Our drawing of the Brelkin controller with the controls that lie over it: the 28 button-number
// labels LblBTN, the text labels InfoLabel beside them, the connector lines Line1, the paddles
// Img_Paddle, the mode lamps IMG_light and the mode squares LblMODE. It only draws and reports
// clicks; the window decides what the labels show. On a small screen it draws itself smaller,
// down to MinimumScale, keeping its proportions and everything on it in place.
class ControllerPicture : public QWidget {
    Q_OBJECT

public:
    static constexpr int ButtonCount = 28;
    static constexpr int LineCount = 8;
    static constexpr int ModeCount = 5;
    static constexpr int PaddleCount = 2;
    static constexpr double MinimumScale = 0.65;

    // printedNumberOfRecord gives the number printed on the button of record 1..28; label
    // index i shows that of record i + 1.
    explicit ControllerPicture(const std::function<int(int)>& printedNumberOfRecord,
                               QWidget* parent = nullptr);

    ClickLabel* buttonLabel(int index) const;
    ClickLabel* infoLabel(int index) const;
    QWidget* line(int index) const;
    QLabel* paddle(int index) const;
    QLabel* lamp(int index) const;
    ClickLabel* modeSquare(int index) const;

    // The text label whose caption decides whether connector line `line` shows.
    static int infoLabelOfLine(int line);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The size the picture is drawn at, 1 being its full size.
    double scale() const { return scale_; }

signals:
    void buttonClicked(int index);
    void infoLabelClicked(int index);
    void modeClicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // A control on the picture, with its place and font at full size.
    struct Placed {
        QWidget* widget;
        QRect rect;
        QFont font;
    };
    void place(QWidget* widget, const QRect& rect);
    void layOut();

    std::vector<Placed> placed_;
    double scale_ = 1.0;
    int left_ = 0; // the picture is centred across the widget

    std::array<ClickLabel*, ButtonCount> buttons_{};
    std::array<ClickLabel*, ButtonCount> infos_{};
    std::array<QWidget*, LineCount> lines_{};
    std::array<QLabel*, PaddleCount> paddles_{};
    std::array<QLabel*, ModeCount> lamps_{};
    std::array<ClickLabel*, ModeCount> modes_{};
    std::array<int, ButtonCount> printed_{};
};
