#include "card_editor/card/LayoutFile.h"
#include "card_editor/window/tests/EditingFixture.h"

namespace {

class CardMouse : public EditingFixture {};

TEST_F(CardMouse, RightDragOnTheCardMovesTheBoxOrThePicture) {
    startShown();
    action("mnuResizeOption_0")->trigger(); // snap on release
    const QPoint picture(118, 192);
    const std::tuple<bool, bool, QRect, QPoint> cases[] = {
        {true, true, {60, 80, 69, 29}, picture},   // the box moves, then snaps
        {false, true, {60, 80, 69, 29}, picture},  // hidden, the picture stays
        {false, false, {63, 84, 69, 29}, picture}, // unlocked: no snap
        {true, false, {10, 10, 69, 29}, {63, 84}}, // free: the picture moves
    };
    for (const auto& [visible, locked, boxAfter, pictureAfter] : cases) {
        setChecked("mnuImageVisible", visible);
        setChecked("mnuImageLocked", locked);
        window->Image1().move(picture);
        place(1, QRect(10, 10, 69, 29));
        window->CurrentBox = 1;
        onCard(press, {40, 50});
        onCard(move, {51, 62});
        onCard(move, {63, 84});
        onCard(release, {63, 84});
        EXPECT_EQ(rect(1), boxAfter) << visible << locked;
        EXPECT_EQ(window->Image1().geometry(), QRect(pictureAfter, QSize(289, 289)));
    }
}

TEST_F(CardMouse, LeftDragWithTheSizePointerResizesTheCurrentBox) {
    startShown();
    action("mnuResizeOption_1")->trigger(); // resize to the grid on release
    place(4, QRect(100, 100, 80, 40));
    onBox(press, 4, {10, 10});
    onBox(release, 4, {10, 10});
    hoverBox(4, {78, 38}); // the size pointer, then straight out onto the card
    onCard(press, {200, 150}, Qt::LeftButton);
    EXPECT_EQ(rect(4), QRect(100, 100, 100, 50));
    onCard(move, {130, 400}); // 30 wide is too narrow: only the height follows
    EXPECT_EQ(rect(4), QRect(100, 100, 100, 300));
    onCard(release, {243, 117}, Qt::LeftButton);
    EXPECT_EQ(rect(4), QRect(100, 100, 105, 305));
    EXPECT_EQ(window->MousePointer(), 0);

    // Passing over the card without the left button drops the size pointer.
    hoverBox(4, {102, 303});
    ASSERT_EQ(window->MousePointer(), 5);
    hover(&window->BackgroundImage(), {300, 300});
    EXPECT_EQ(window->MousePointer(), 0);
}

TEST_F(CardMouse, APressOnThePictureNeverDragsItButMovesALockedBox) {
    startShown();
    setChecked("mnuImageLocked", false);
    place(0, QRect(10, 10, 69, 29));
    window->CurrentBox = 0;
    onPicture(press, {20, 30});
    onPicture(move, {40, 50});
    onPicture(release, {40, 50});
    EXPECT_EQ(window->Image1().pos(), QPoint(118, 192));
    EXPECT_EQ(rect(0), QRect(10, 10, 69, 29));

    setChecked("mnuImageLocked", true);
    onPicture(press, {20, 30});
    EXPECT_EQ(rect(0).topLeft(), QPoint(138, 222));
    onPicture(move, {41, 52});
    onPicture(release, {41, 52});
    EXPECT_EQ(rect(0), QRect(159, 244, 69, 29));
    EXPECT_EQ(window->BackgroundImage().children().last(), &box(0));
}

TEST_F(CardMouse, DragsThatLeaveTheWindowNeverStoreWhatTheLayoutCannotHold) {
    startShown();
    action("mnuResizeOption_1")->trigger();
    window->CurrentBox = 2;
    place(2, QRect(10, 10, 69, 29));
    onCard(press, {20, 20});
    onCard(move, {-500, -40});
    onCard(move, {-40000, 90000});
    onCard(release, {40000, 20});
    EXPECT_EQ(rect(2), QRect(-500, -40, 70, 30));

    onBox(press, 2, {10, 10});
    onBox(move, 2, {67, 27});
    onBox(move, 2, {90000, 27}); // the widest the files hold is 32767
    onBox(move, 2, {32766, 27});
    onBox(move, 2, {90000, 27});
    onBox(release, 2, {90000, 27}); // a whole cell more would not fit
    EXPECT_EQ(rect(2), QRect(-500, -40, 32767, 28));

    setChecked("mnuImageLocked", false);
    onCard(press, {20, 20});
    onCard(move, {-33000, 5});
    onCard(release, {-33000, 5});
    EXPECT_EQ(window->Image1().pos(), QPoint(20, 20));

    action("mnuSaveTBposnsAsDefault")->trigger();
    const LayoutFile::Read read =
        LayoutFile::read(*FileSystem::readFile(programFile("Default.txt")));
    EXPECT_EQ(read.boxes[34], (BoxRect{144, 135, 239, 49})); // the whole file reads back
    EXPECT_EQ(read.boxes[2], (BoxRect{-500, -40, 32767, 28}));
}

} // namespace
