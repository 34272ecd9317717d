#include "card_editor/window/ViewportLayout.h"

#include <gtest/gtest.h>

namespace {

ViewportLayout::Input input(QSize inner, QSize card, bool hVisible, bool vVisible) {
    ViewportLayout::Input in;
    in.inner = inner;
    in.card = card;
    in.vScrollWidth = 17;
    in.hScrollHeight = 17;
    in.hVisible = hVisible;
    in.vVisible = vVisible;
    return in;
}

TEST(ViewportLayout, DesignedWindowWithBothBarsShown) {
    // 764 x 704 less two bars of 17 is a viewport of 747 x 687.
    const ViewportLayout l = ViewportLayout::compute(input({764, 704}, {527, 712}, true, true));
    EXPECT_EQ(l.marginX, 110);
    EXPECT_EQ(l.hMax, 0);
    EXPECT_FALSE(l.hVisible);
    EXPECT_EQ(l.marginY, 20); // floor(-25 / 2) = -13, raised to 20
    EXPECT_EQ(l.vMax, 65);
    EXPECT_TRUE(l.vVisible);
    // The viewport takes the full height again; margins and ranges stay as computed.
    EXPECT_EQ(l.picture1, QRect(0, 0, 747, 704));
    EXPECT_EQ(l.vScroll, QRect(747, 0, 17, 704));
    EXPECT_EQ(l.cardAt, QPoint(110, 20));
}

TEST(ViewportLayout, MarginsAtTheEdgeOfFitting) {
    auto widthOnly = [](int viewportWidth) {
        return ViewportLayout::compute(input({viewportWidth, 2000}, {527, 100}, false, false));
    };
    ViewportLayout l = widthOnly(527 + 40);
    EXPECT_EQ(l.marginX, 20);
    EXPECT_EQ(l.hMax, 0);
    EXPECT_FALSE(l.hVisible);

    l = widthOnly(527 + 39);
    EXPECT_EQ(l.marginX, 20);
    EXPECT_EQ(l.hMax, 1);
    EXPECT_TRUE(l.hVisible);
    EXPECT_EQ(l.hScroll, QRect(0, 2000 - 17, 566, 17));

    EXPECT_EQ(widthOnly(527 + 101).marginX, 50);
}

TEST(ViewportLayout, ScrollingToTheEndLeavesTwentyPixelsBelowTheCard) {
    const ViewportLayout l = ViewportLayout::compute(input({600, 400}, {527, 712}, false, false));
    ASSERT_TRUE(l.vVisible);
    const int cardBottom = l.marginY - l.vMax + 712;
    EXPECT_EQ(cardBottom, 400 - 20);
}

} // namespace
