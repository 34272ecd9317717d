#include "card_editor/card/LayoutFile.h"
#include "card_editor/window/tests/EditingFixture.h"

namespace {

class CardMouse : public EditingFixture {
protected:
    QLabel& picture() { return window->Image1(); }
    // Mouse on the picture at pixels from its corner.
    void pressPicture(QPoint p, Qt::MouseButton b = Qt::RightButton) {
        QTest::mousePress(&picture(), b, {}, p);
    }
    void movePicture(QPoint p) { QTest::mouseMove(&picture(), p); }
    void releasePicture(QPoint p, Qt::MouseButton b = Qt::RightButton) {
        QTest::mouseRelease(&picture(), b, {}, p);
    }
};

TEST_F(CardMouse, RightDragOnTheCardMovesTheBoxOrThePicture) {
    startShown();
    action("mnuResizeOption_0")->trigger(); // snap on release
    struct Case {
        bool visible;
        bool locked;
        QRect box;
        QPoint picture;
    };
    const QPoint picture0(118, 192);
    const Case cases[] = {
        {true, true, QRect(60, 80, 69, 29), picture0},   // moved, then snapped
        {false, true, QRect(60, 80, 69, 29), picture0},  // hidden picture: the box moves
        {false, false, QRect(63, 84, 69, 29), picture0}, // moved; unlocked: no snap
        {true, false, QRect(10, 10, 69, 29), QPoint(63, 84)},
    };
    for (const Case& c : cases) {
        setChecked("mnuImageVisible", c.visible);
        setChecked("mnuImageLocked", c.locked);
        picture().move(picture0);
        place(1, QRect(10, 10, 69, 29));
        window->CurrentBox = 1;
        pressCard({40, 50});
        moveCard({51, 62});
        moveCard({63, 84});
        releaseCard({63, 84});
        EXPECT_EQ(rect(1), c.box) << c.visible << c.locked;
        EXPECT_EQ(picture().pos(), c.picture) << c.visible << c.locked;
        EXPECT_EQ(picture().size(), QSize(289, 289));
        EXPECT_EQ(window->MousePointer(), 0);
    }
}

TEST_F(CardMouse, LeftDragWithTheSizePointerResizesTheCurrentBox) {
    startShown();
    action("mnuResizeOption_1")->trigger(); // resize to the grid on release
    place(4, QRect(100, 100, 80, 40));
    press(4, {10, 10});
    release(4, {10, 10});
    hover(4, {78, 38}); // the size pointer, then straight out onto the card
    ASSERT_EQ(window->MousePointer(), 5);
    pressCard({200, 150}, Qt::LeftButton);
    EXPECT_EQ(rect(4), QRect(100, 100, 100, 50));
    moveCard({130, 400}); // 30 wide is too narrow: only the height follows
    EXPECT_EQ(rect(4), QRect(100, 100, 100, 300));
    moveCard({243, 117});
    EXPECT_EQ(rect(4), QRect(100, 100, 143, 300));
    releaseCard({243, 117}, Qt::LeftButton);
    EXPECT_EQ(rect(4), QRect(100, 100, 145, 305));
    EXPECT_EQ(window->MousePointer(), 0);

    // Passing over the card without the left button drops the size pointer.
    hover(4, {142, 303});
    ASSERT_EQ(window->MousePointer(), 5);
    hoverOver(card(), {300, 300});
    EXPECT_EQ(window->MousePointer(), 0);
    pressCard({400, 500}, Qt::LeftButton);
    releaseCard({400, 500}, Qt::LeftButton);
    EXPECT_EQ(rect(4), QRect(100, 100, 145, 305));
}

TEST_F(CardMouse, APressOnThePictureNeverDragsIt) {
    startShown();
    setChecked("mnuImageLocked", false);
    place(0, QRect(10, 10, 69, 29));
    window->CurrentBox = 0;
    pressPicture({20, 30});
    movePicture({40, 50});
    releasePicture({40, 50});
    EXPECT_EQ(picture().pos(), QPoint(118, 192));
    EXPECT_EQ(rect(0), QRect(10, 10, 69, 29));

    // Locked, a right-drag from the picture moves the current box to the pointer, in front.
    setChecked("mnuImageLocked", true);
    pressPicture({20, 30});
    EXPECT_EQ(rect(0).topLeft(), QPoint(138, 222));
    movePicture({41, 52});
    EXPECT_EQ(rect(0).topLeft(), QPoint(159, 244));
    releasePicture({41, 52}); // "leave them as they are"
    EXPECT_EQ(rect(0), QRect(159, 244, 69, 29));
    const QObjectList& kids = window->BackgroundImage().children();
    EXPECT_EQ(kids.last(), &box(0));
}

TEST_F(CardMouse, DragsThatLeaveTheWindowNeverStoreWhatTheLayoutCannotHold) {
    startShown();
    action("mnuResizeOption_1")->trigger();
    window->CurrentBox = 2;
    place(2, QRect(10, 10, 69, 29));
    pressCard({20, 20});
    moveCard({-500, -40});
    EXPECT_EQ(rect(2).topLeft(), QPoint(-500, -40));
    moveCard({-40000, 90000});
    moveCard({40000, 20});
    EXPECT_EQ(rect(2).topLeft(), QPoint(-500, -40));
    releaseCard({40000, 20});
    EXPECT_EQ(rect(2), QRect(-500, -40, 70, 30));

    // A resize dragged far beyond the card stops at the largest size the files hold.
    press(2, {10, 10});
    drag(2, {67, 27});
    drag(2, {32766, 27});
    EXPECT_EQ(rect(2).width(), 32767);
    drag(2, {90000, 27});
    EXPECT_EQ(rect(2).width(), 32767);
    release(2, {90000, 27});
    EXPECT_EQ(rect(2).width(), 32767); // a whole cell more would not fit

    setChecked("mnuImageLocked", false);
    pressCard({20, 20});
    moveCard({-33000, 5});
    releaseCard({-33000, 5});
    EXPECT_EQ(picture().pos(), QPoint(20, 20));

    action("mnuSaveTBposnsAsDefault")->trigger();
    const LayoutFile::Read read =
        LayoutFile::read(*FileSystem::readFile(programFile("Default.txt")));
    ASSERT_TRUE(read.picture.has_value());
    for (const auto& b : read.boxes) {
        EXPECT_TRUE(b.has_value());
    }
    EXPECT_EQ(read.boxes[2], (BoxRect{-500, -40, 32767, 28}));
}

} // namespace
