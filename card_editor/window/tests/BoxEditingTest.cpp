#include "card_editor/window/tests/EditingFixture.h"

#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>

namespace {

class BoxEditing : public EditingFixture {};

TEST_F(BoxEditing, LeftDragFromInsideABoxIntoTheEdgeStripBecomesAResize) {
    startShown();
    place(5, QRect(100, 200, 80, 40));
    onBox(press, 5, {10, 10});
    onBox(move, 5, {40, 20}); // inside: a text selection
    EXPECT_EQ(window->MousePointer(), 0);
    onBox(move, 5, {76, 20}); // the strip: the size pointer, no resize yet
    EXPECT_EQ(window->MousePointer(), 5);
    EXPECT_EQ(box(5).MousePointer(), 5);
    EXPECT_EQ(rect(5), QRect(100, 200, 80, 40));
    onBox(move, 5, {129, 59}); // beyond the box: it follows the pointer
    EXPECT_EQ(rect(5), QRect(100, 200, 130, 60));
    EXPECT_EQ(box(5).SelLength(), 0);
    onBox(release, 5, {129, 59});
    EXPECT_EQ(window->MousePointer(), 0);
    EXPECT_EQ(window->CurrentBox, 5);
    EXPECT_EQ(rect(5), QRect(100, 200, 130, 60)); // "leave them as they are" at first start
    hoverBox(5, {10, 10});
    EXPECT_EQ(box(5).MousePointer(), 0);
}

TEST_F(BoxEditing, ResizingALongTextSelectsNothingAndKeepsTheFirstLineInSight) {
    startShown();
    RichTextBox& b = box(9);
    b.SetFocus();
    const QString lines = QStringList(12, "Flaps").join("\r\n");
    // From the edge strip, and from the text into the strip, then held below the text.
    for (const QPoint from : {QPoint(60, 37), QPoint(60, 10)}) {
        SCOPED_TRACE(from.y());
        place(9, QRect(100, 200, 120, 40));
        b.setText(lines);
        hoverBox(9, from);
        onBox(press, 9, from);
        onBox(move, 9, {60, 45});
        QCursor::setPos(b.mapToGlobal(QPoint(60, 45)));
        QTest::qWait(400);
        EXPECT_EQ(b.SelLength(), 0);
        EXPECT_EQ(b.verticalScrollBar()->value(), 0);
        onBox(move, 9, {60, 50});
        onBox(release, 9, {60, 50});
        EXPECT_EQ(rect(9), QRect(100, 200, 61, 51));
        EXPECT_EQ(b.verticalScrollBar()->value(), 0);
        QTest::keyClicks(&b, "G"); // at the start, replacing nothing
        EXPECT_EQ(b.Text().toStdString(), ("G" + lines).toStdString());
    }
}

TEST_F(BoxEditing, AResizeBelowTheMinimumKeepsTheOldSizeOnThatSideOnly) {
    startShown();
    onBox(press, 3, {10, 10}); // the size pointer shows on the box worked in
    onBox(release, 3, {10, 10});
    const std::pair<QPoint, QSize> cases[] = {
        {{39, 50}, {100, 51}}, {{40, 50}, {41, 51}},    {{60, 19}, {61, 60}},
        {{60, 20}, {61, 21}},  {{-30, -30}, {100, 60}},
    };
    for (const auto& [to, size] : cases) {
        place(3, QRect(50, 60, 100, 60));
        hoverBox(3, {99, 59}); // the corner: a press there keeps the size
        onBox(press, 3, {99, 59});
        onBox(move, 3, to);
        EXPECT_EQ(rect(3), QRect(QPoint(50, 60), size)) << to.x() << "," << to.y();
        onBox(release, 3, to);
    }
}

TEST_F(BoxEditing, ReleaseAfterAResizeAppliesTheCheckedOptionAndLocksThePicture) {
    startShown();
    box(7).SetFocus();
    const std::pair<const char*, QRect> cases[] = {{"mnuResizeOption_0", {20, 45, 111, 33}},
                                                   {"mnuResizeOption_1", {20, 45, 115, 35}},
                                                   {"mnuResizeOption_2", {23, 47, 111, 33}}};
    for (const auto& [option, expected] : cases) {
        action(option)->trigger();
        place(7, QRect(23, 47, 100, 33));
        setChecked("mnuImageLocked", false);
        hoverBox(7, {97, 10});
        onBox(press, 7, {97, 10});
        EXPECT_TRUE(action("mnuImageLocked")->isChecked());
        onBox(move, 7, {110, 10});
        onBox(release, 7, {110, 10});
        EXPECT_EQ(rect(7), expected) << option;
    }
    // A right-drag in a box neither moves nor resizes it, nor snaps it.
    action("mnuResizeOption_0")->trigger();
    onBox(press, 7, {10, 10}, Qt::RightButton);
    onBox(move, 7, {30, 12}, Qt::RightButton);
    onBox(release, 7, {30, 12}, Qt::RightButton);
    EXPECT_EQ(rect(7), QRect(23, 47, 111, 33));
    // Nor does one from its border, outside the text's viewport but the box's as much.
    press(&box(7), Qt::RightButton, {}, {0, 10}, -1);
    move(&box(7), Qt::RightButton, {}, {-20, 8}, -1);
    release(&box(7), Qt::RightButton, {}, {-20, 8}, -1);
    EXPECT_EQ(rect(7), QRect(23, 47, 111, 33));
    // Unlocked, it moves the picture to the pointer, under the boxes.
    setChecked("mnuImageLocked", false);
    onBox(press, 7, {10, 20}, Qt::RightButton);
    onBox(move, 7, {30, 25}, Qt::RightButton);
    onBox(release, 7, {30, 25}, Qt::RightButton);
    EXPECT_EQ(window->Image1().geometry(), QRect(53, 72, 289, 289));
    EXPECT_EQ(window->BackgroundImage().children().indexOf(&window->Image1()), 0);
}

TEST_F(BoxEditing, CtrlKeysWorkOnTheBoxAndNeverReachIt) {
    startShown();
    RichTextBox& b = box(12);
    b.SetFocus();
    QTest::keyClicks(&b, "Gear up");
    QSignalSpy bold(action("mnuFormatBIU_0"), &QAction::triggered);
    QSignalSpy italics(action("mnuFormatBIU_1"), &QAction::triggered);
    QSignalSpy underline(action("mnuFormatBIU_2"), &QAction::triggered);
    QGuiApplication::clipboard()->clear();
    const std::tuple<Qt::Key, const char*, const char*, int> steps[] = {
        {Qt::Key_A, "Gear up", "", 7},
        {Qt::Key_C, "Gear up", "Gear up", 7},
        {Qt::Key_X, "", "Gear up", 0},
        {Qt::Key_V, "Gear up", "Gear up", 0},
        {Qt::Key_V, "Gear upGear up", "Gear up", 0},
        {Qt::Key_Z, "Gear up", "Gear up", 0}, // one step undone
        {Qt::Key_B, "Gear up", "Gear up", 0},
        {Qt::Key_I, "Gear up", "Gear up", 0},
        {Qt::Key_U, "Gear up", "Gear up", 0},
    };
    for (const auto& [key, text, clip, selected] : steps) {
        QTest::keyClick(&b, key, Qt::ControlModifier);
        EXPECT_EQ(b.Text(), text) << key;
        EXPECT_EQ(QGuiApplication::clipboard()->text(), clip) << key;
        EXPECT_EQ(b.SelLength(), selected) << key;
    }
    EXPECT_EQ(bold.count() + italics.count() + underline.count(), 3);
    b.setSelStart(0);
    b.setSelLength(4);
    QTest::keyClick(&b, Qt::Key_X, Qt::ControlModifier | Qt::ShiftModifier); // the box's own
    EXPECT_EQ(b.Text(), "Gear up");
    EXPECT_EQ(window->CurrentBox, 12);

    // Copied, then cut, bold text is pasted into a plain box still bold.
    b.setSelBold(true); // "Gear", still selected
    for (const auto& [key, into] : {std::pair(Qt::Key_C, 13), std::pair(Qt::Key_X, 14)}) {
        QTest::keyClick(&b, key, Qt::ControlModifier);
        QTest::keyClick(&box(into), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(&box(into), Qt::Key_A, Qt::ControlModifier);
        EXPECT_EQ(box(into).SelBold(), std::optional<bool>(true)) << key;
    }
}

TEST_F(BoxEditing, PasteTakesRichTextFirstThenTextAndElseKeepsTheBox) {
    startShown();
    RichTextBox& b = box(0);
    const std::tuple<QByteArray, QString, QString, bool> cases[] = {
        {"{\\rtf1\\ansi {\\b Flaps}}", "plain", "Flaps", true},
        {{}, "two\nlines", "two\r\nlines", false},
        {{}, {}, "Old", false}, // nothing to paste (a picture only): the selection stays
    };
    for (const auto& [rtf, text, result, isBold] : cases) {
        b.setText("Old");
        b.setSelStart(0);
        b.setSelLength(3);
        b.setSelBold(false);
        auto* data = new QMimeData;
        data->setData(rtf.isEmpty() ? "image/png" : "text/rtf", rtf.isEmpty() ? "png" : rtf);
        if (!text.isNull()) {
            data->setText(text);
        }
        QGuiApplication::clipboard()->setMimeData(data);
        action("mnuEditCCP_2")->trigger();
        EXPECT_EQ(b.Text(), result);
        b.setSelStart(0);
        b.setSelLength(1);
        EXPECT_EQ(b.SelBold(), isBold) << result.toStdString();
    }
}

TEST_F(BoxEditing, EscPopsUpTheFormatMenuEvenWhileItIsHidden) {
    writeFile("Flight.gam",
              {"Flight Sim", QString("$FF ").repeated(14), QString("$00 ").repeated(28),
               "$01 $01 $08 Throttle", "$02 $01 $08 Boost"});
    startShown();
    box(0).SetFocus();
    QTest::keyClicks(&box(0), "typed");
    dialog.queueOpen(programFile("Flight.gam"));
    action("mnuOpen")->trigger();
    ASSERT_FALSE(action("mnuFormat")->isVisible());
    QMenu* format = window->findChild<QMenu*>("mnuFormat");
    for (Qt::KeyboardModifier mods : {Qt::NoModifier, Qt::ControlModifier}) {
        box(20).SetFocus();
        QTest::keyClick(&box(20), Qt::Key_Escape, mods);
        EXPECT_TRUE(format->isVisible());
        format->close();
    }

    // The rebuilt text is not an edit to undo, and the caret stays at its end.
    EXPECT_EQ(box(0).Text(), "Throttle\r\nBoost");
    EXPECT_EQ(box(0).SelStart(), box(0).TextLength());
    for (int i : {0, 34}) {
        window->CurrentBox = i;
        action("mnuUndo")->trigger();
    }
    EXPECT_EQ(box(0).Text(), "Throttle\r\nBoost");
    EXPECT_EQ(box(34).Text(), "Flight Sim");
}

} // namespace
