#include "card_editor/window/tests/EditingFixture.h"
#include "common/richtext/RichTextClipboard.h"

#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>

namespace {

class BoxEditing : public EditingFixture {};

TEST_F(BoxEditing, LeftDragFromInsideABoxIntoTheEdgeStripBecomesAResize) {
    startShown();
    place(5, QRect(100, 200, 80, 40));
    hover(5, {10, 10});
    EXPECT_EQ(window->MousePointer(), 0);
    EXPECT_EQ(box(5).MousePointer(), 0);
    press(5, {10, 10});
    EXPECT_EQ(window->CurrentBox, 5);
    drag(5, {40, 20}); // still inside: text selection, no resize
    EXPECT_EQ(rect(5), QRect(100, 200, 80, 40));
    drag(5, {76, 20}); // the strip: the size pointer shows
    EXPECT_EQ(window->MousePointer(), 5);
    EXPECT_EQ(box(5).MousePointer(), 5);
    EXPECT_EQ(rect(5), QRect(100, 200, 80, 40));
    drag(5, {129, 59}); // beyond the box: it follows the pointer
    EXPECT_EQ(rect(5), QRect(100, 200, 130, 60));
    EXPECT_EQ(box(5).SelLength(), 0);
    release(5, {129, 59});
    EXPECT_EQ(window->MousePointer(), 0);
    EXPECT_EQ(rect(5), QRect(100, 200, 130, 60)); // "leave them as they are" at first start

    // Hovering near the edges shows the size pointer; inside again the default one.
    hover(5, {10, 57});
    EXPECT_EQ(window->MousePointer(), 5);
    hover(5, {10, 10});
    EXPECT_EQ(window->MousePointer(), 0);
    EXPECT_EQ(box(5).MousePointer(), 0);
}

TEST_F(BoxEditing, AResizeBelowTheMinimumKeepsTheOldSizeOnThatSideOnly) {
    startShown();
    struct Case {
        QPoint to;
        QSize size;
    };
    const Case cases[] = {
        {{39, 50}, {100, 51}}, // width 40 is refused, the height follows
        {{40, 50}, {41, 51}},  {{60, 19}, {61, 60}},    {{60, 20}, {61, 21}},
        {{10, 5}, {100, 60}},  {{-30, -30}, {100, 60}},
    };
    // The size pointer shows on the box the user works in.
    press(3, {10, 10});
    release(3, {10, 10});
    for (const Case& c : cases) {
        place(3, QRect(50, 60, 100, 60));
        hover(3, {99, 59}); // the corner: a press there keeps the size
        ASSERT_EQ(window->MousePointer(), 5);
        press(3, {99, 59});
        drag(3, c.to);
        EXPECT_EQ(rect(3).size(), c.size) << c.to.x() << "," << c.to.y();
        EXPECT_EQ(rect(3).topLeft(), QPoint(50, 60));
        release(3, c.to);
    }
}

TEST_F(BoxEditing, ReleaseAfterAResizeAppliesTheCheckedOption) {
    startShown();
    struct Case {
        const char* option;
        QRect expected;
    };
    const Case cases[] = {
        {"mnuResizeOption_0", QRect(20, 45, 111, 33)},
        {"mnuResizeOption_1", QRect(20, 45, 115, 35)},
        {"mnuResizeOption_2", QRect(23, 47, 111, 33)},
    };
    box(7).SetFocus();
    for (const Case& c : cases) {
        action(c.option)->trigger();
        place(7, QRect(23, 47, 100, 33));
        // Unlocking the picture lasts only until the next press in a box.
        setChecked("mnuImageLocked", false);
        hover(7, {97, 10});
        press(7, {97, 10});
        EXPECT_TRUE(action("mnuImageLocked")->isChecked());
        drag(7, {110, 10});
        release(7, {110, 10});
        EXPECT_EQ(rect(7), c.expected) << c.option;
    }
    // A right-button release over a box never snaps.
    action("mnuResizeOption_0")->trigger();
    place(7, QRect(23, 47, 100, 33));
    press(7, {10, 10}, Qt::RightButton);
    drag(7, {30, 12});
    release(7, {30, 12}, Qt::RightButton);
    EXPECT_EQ(rect(7), QRect(23, 47, 100, 33));
}

TEST_F(BoxEditing, RightDragInABoxMovesThePictureOnlyWhenItIsFree) {
    startShown();
    const QRect picture = window->Image1().geometry();
    place(2, QRect(40, 50, 100, 60));
    press(2, {10, 20}, Qt::RightButton);
    drag(2, {30, 25});
    release(2, {30, 25}, Qt::RightButton);
    EXPECT_EQ(window->Image1().geometry(), picture); // locked at start
    EXPECT_EQ(rect(2), QRect(40, 50, 100, 60));

    setChecked("mnuImageLocked", false);
    press(2, {10, 20}, Qt::RightButton);
    EXPECT_EQ(window->Image1().pos(), QPoint(50, 70));
    drag(2, {30, 25});
    EXPECT_EQ(window->Image1().pos(), QPoint(70, 75));
    release(2, {30, 25}, Qt::RightButton);
    EXPECT_EQ(window->Image1().size(), picture.size());
    EXPECT_FALSE(action("mnuImageLocked")->isChecked());
    // The picture moved under the boxes, never over them.
    const QObjectList& kids = window->BackgroundImage().children();
    EXPECT_LT(kids.indexOf(&window->Image1()), kids.indexOf(&box(2)));
}

TEST_F(BoxEditing, CtrlKeysWorkOnTheBoxAndNeverReachIt) {
    startShown();
    RichTextBox& b = box(12);
    b.SetFocus();
    QTest::keyClicks(&b, "Gear up");
    ASSERT_EQ(window->CurrentBox, 12);
    QSignalSpy bold(action("mnuFormatBIU_0"), &QAction::triggered);
    QSignalSpy italics(action("mnuFormatBIU_1"), &QAction::triggered);
    QSignalSpy underline(action("mnuFormatBIU_2"), &QAction::triggered);
    QClipboard* clipboard = QGuiApplication::clipboard();

    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        QString text;
        QString clip;
        int selLength;
    };
    const Step steps[] = {
        {Qt::Key_A, Qt::ControlModifier, "Gear up", "", 7},
        {Qt::Key_C, Qt::ControlModifier, "Gear up", "Gear up", 7},
        {Qt::Key_X, Qt::ControlModifier, "", "Gear up", 0},
        {Qt::Key_V, Qt::ControlModifier, "Gear up", "Gear up", 0},
        {Qt::Key_V, Qt::ControlModifier, "Gear upGear up", "Gear up", 0},
        {Qt::Key_Z, Qt::ControlModifier, "Gear up", "Gear up", 0}, // one paste undone
        {Qt::Key_B, Qt::ControlModifier, "Gear up", "Gear up", 0},
        {Qt::Key_I, Qt::ControlModifier, "Gear up", "Gear up", 0},
        {Qt::Key_U, Qt::ControlModifier, "Gear up", "Gear up", 0},
        // Ctrl with Shift is the box's own: no copy, no cut.
        {Qt::Key_X, Qt::ControlModifier | Qt::ShiftModifier, "Gear up", "Gear up", 0},
    };
    clipboard->clear();
    for (const Step& s : steps) {
        QTest::keyClick(&b, s.key, s.mods);
        EXPECT_EQ(b.Text(), s.text) << QKeySequence(s.key | s.mods).toString().toStdString();
        EXPECT_EQ(clipboard->text(), s.clip)
            << QKeySequence(s.key | s.mods).toString().toStdString();
        EXPECT_EQ(b.SelLength(), s.selLength)
            << QKeySequence(s.key | s.mods).toString().toStdString();
    }
    EXPECT_EQ(bold.count(), 1);
    EXPECT_EQ(italics.count(), 1);
    EXPECT_EQ(underline.count(), 1);
}

TEST_F(BoxEditing, PasteTakesRichTextFirstThenTextAndElseKeepsTheBox) {
    startShown();
    RichTextBox& b = box(0);
    window->CurrentBox = 0;
    auto offer = [](const QByteArray& rtf, const QString& text, bool image) {
        auto* data = new QMimeData;
        if (!rtf.isEmpty()) {
            data->setData("text/rtf", rtf);
        }
        if (!text.isNull()) {
            data->setText(text);
        }
        if (image) {
            data->setData("image/png", QByteArray("not really"));
        }
        QGuiApplication::clipboard()->setMimeData(data);
    };
    struct Case {
        QByteArray rtf;
        QString text;
        bool image;
        QString result;
        bool bold;
    };
    const Case cases[] = {
        {"{\\rtf1\\ansi {\\b Flaps}}", "plain", false, "Flaps", true},
        {{}, "two\nlines", false, "two\r\nlines", false},
        {{}, {}, true, "Old", false}, // nothing to paste: the selection stays
        {{}, {}, false, "Old", false},
    };
    for (const Case& c : cases) {
        b.setText("Old");
        b.setSelStart(0);
        b.setSelLength(3);
        b.setSelBold(false);
        offer(c.rtf, c.text, c.image);
        action("mnuEditCCP_2")->trigger();
        EXPECT_EQ(b.Text(), c.result);
        b.setSelStart(0);
        b.setSelLength(1);
        EXPECT_EQ(b.SelBold(), c.bold) << c.result.toStdString();
    }

    // Copy puts both flavours on the clipboard; the rich one keeps the formatting.
    b.setSelStart(0);
    b.setSelLength(b.TextLength());
    action("mnuEditCCP_1")->trigger();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text(), "Old");
    EXPECT_TRUE(RichTextClipboard::rtf(*data).startsWith("{\\rtf"));
}

TEST_F(BoxEditing, EscPopsUpTheFormatMenuEvenWhileItIsHidden) {
    writeFile("Flight.gam", {"Flight Sim", QString("$FF ").repeated(14),
                             QString("$00 ").repeated(28), "$01 $01 $08 Throttle"});
    startShown();
    dialog.queueOpen(programFile("Flight.gam"));
    action("mnuOpen")->trigger();
    ASSERT_FALSE(action("mnuFormat")->isVisible());
    QMenu* format = window->findChild<QMenu*>("mnuFormat");
    for (Qt::KeyboardModifiers mods :
         {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ControlModifier)}) {
        box(20).SetFocus();
        QTest::keyClick(&box(20), Qt::Key_Escape, mods);
        EXPECT_TRUE(format->isVisible());
        EXPECT_EQ(window->CurrentBox, 20);
        format->close();
    }
    EXPECT_EQ(box(0).Text(), "Throttle");
}

TEST_F(BoxEditing, RebuiltTextCannotBeUndoneAndLeavesTheCaretAtTheEnd) {
    writeFile("Flight.gam",
              {"Flight Sim", QString("$FF ").repeated(14), QString("$00 ").repeated(28),
               "$01 $01 $08 Throttle", "$02 $01 $08 Boost"});
    startShown();
    box(0).SetFocus();
    QTest::keyClicks(&box(0), "typed");
    dialog.queueOpen(programFile("Flight.gam"));
    action("mnuOpen")->trigger();
    ASSERT_EQ(box(0).Text(), "Throttle\r\nBoost");
    EXPECT_EQ(box(0).SelStart(), box(0).TextLength());
    window->CurrentBox = 0;
    action("mnuUndo")->trigger();
    EXPECT_EQ(box(0).Text(), "Throttle\r\nBoost");
    window->CurrentBox = 34;
    action("mnuUndo")->trigger();
    EXPECT_EQ(box(34).Text(), "Flight Sim");

    // The user's own edits still undo, one step at a time.
    box(0).SetFocus();
    QTest::keyClicks(&box(0), "!");
    QTest::keyClick(&box(0), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box(0).Text(), "Throttle\r\nBoost");
}

} // namespace
