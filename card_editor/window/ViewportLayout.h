#pragma once

#include <QRect>
#include <QSize>

// The layout of the card view: the viewport fills the window's inner area less the visible
// scroll bars; the card is centred when it fits and keeps a 20-pixel margin when it does not.
struct ViewportLayout {
    static constexpr int MinimumMargin = 20;

    struct Input {
        QSize inner;          // the window's inner area
        QSize card;           // the card picture
        int vScrollWidth = 0; // thickness of the vertical bar
        int hScrollHeight = 0;
        bool hVisible = false; // the bars' visibility before the layout
        bool vVisible = false;
    };

    int marginX = 0;
    int marginY = 0;
    int hMax = 0;
    int vMax = 0;
    bool hVisible = false;
    bool vVisible = false;
    QRect picture1; // the viewport
    QRect hScroll;  // meaningful when hVisible
    QRect vScroll;  // meaningful when vVisible
    QPoint cardAt;  // the card's top-left corner with both bars at 0

    static ViewportLayout compute(const Input& in);
};
