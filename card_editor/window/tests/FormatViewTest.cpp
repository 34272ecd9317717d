#include "card_editor/window/tests/CardUserFixture.h"

#include <QScrollBar>
#include <QTextCursor>

namespace {

using FormatViewTest = CardUserFixture;

// Selects characters [from, to) of a box.
void select(RichTextBox& box, int from, int to) {
    box.setSelStart(from);
    box.setSelLength(to - from);
}

TEST_F(FormatViewTest, BoldItalicsAndUnderlineToggleAWholeSelectionOnly) {
    struct Effect {
        const char* item;
        std::optional<bool> (RichTextBox::*get)() const;
        void (RichTextBox::*set)(std::optional<bool>);
    };
    const Effect effects[] = {
        {"mnuFormatBIU_0", &RichTextBox::SelBold, &RichTextBox::setSelBold},
        {"mnuFormatBIU_1", &RichTextBox::SelItalic, &RichTextBox::setSelItalic},
        {"mnuFormatBIU_2", &RichTextBox::SelUnderline, &RichTextBox::setSelUnderline},
    };
    startShown();
    window->CurrentBox = 3;
    RichTextBox& b = box(3);
    for (const Effect& e : effects) {
        SCOPED_TRACE(e.item);
        b.setText("Gear up");
        select(b, 0, 4);
        (b.*e.set)(true);

        // "Gear" has it, " up" has not: the mixed selection stays mixed.
        select(b, 0, 7);
        action(e.item)->trigger();
        EXPECT_EQ((b.*e.get)(), std::nullopt);
        select(b, 0, 4);
        EXPECT_EQ((b.*e.get)(), true);
        select(b, 4, 7);
        EXPECT_EQ((b.*e.get)(), false);

        // A wholly formatted selection loses it, and gets it back.
        select(b, 0, 4);
        action(e.item)->trigger();
        EXPECT_EQ((b.*e.get)(), false);
        action(e.item)->trigger();
        EXPECT_EQ((b.*e.get)(), true);

        // With no selection the text typed next takes it.
        b.setFocus();
        b.setSelStart(7);
        action(e.item)->trigger();
        QTest::keyClicks(&b, "X");
        EXPECT_EQ(b.Text(), "Gear upX");
        select(b, 7, 8);
        EXPECT_EQ((b.*e.get)(), true);
    }
    EXPECT_EQ(box(0).Text(), "");
}

TEST_F(FormatViewTest, FontAndColourComeFromTheCommonDialog) {
    startShown();
    window->CurrentBox = 2;
    RichTextBox& b = box(2);
    b.setText("Radio chatter");
    select(b, 0, 5);

    dialog.queueFont({"Courier New", 14, true, false, true});
    action("mnuFormatFC_0")->trigger();
    ASSERT_EQ(dialog.count(), 1u);
    EXPECT_EQ(dialog.last().kind, ScriptedCommonDialog::Kind::Font);
    EXPECT_EQ(dialog.last().flags, 0x103);
    EXPECT_EQ(dialog.last().fontName, "Arial");
    EXPECT_EQ(b.SelFontName(), "Courier New");
    EXPECT_EQ(b.SelFontSize(), 14.0);
    EXPECT_EQ(b.SelBold(), true);
    EXPECT_EQ(b.SelItalic(), false);
    EXPECT_EQ(b.SelUnderline(), true);
    select(b, 6, 13);
    EXPECT_EQ(b.SelBold(), false);

    // Arial again, whatever was chosen; cancelling changes nothing.
    select(b, 0, 5);
    dialog.queueCancel(ScriptedCommonDialog::Kind::Font);
    action("mnuFormatFC_0")->trigger();
    EXPECT_EQ(dialog.last().fontName, "Arial");
    EXPECT_EQ(b.SelFontName(), "Courier New");
    EXPECT_EQ(b.SelFontSize(), 14.0);

    // The colour dialog starts black, then at the colour chosen last, never at the box's.
    const std::pair<int, std::uint32_t> colours[] = {{0xFF0000, 0xFF0000}, {0x00A0FF, 0x00A0FF}};
    int expectedStart = 0;
    for (const auto& [chosen, stored] : colours) {
        dialog.queueColor(chosen);
        action("mnuFormatFC_1")->trigger();
        EXPECT_EQ(dialog.last().kind, ScriptedCommonDialog::Kind::Color);
        EXPECT_EQ(dialog.last().flags, 1);
        EXPECT_EQ(dialog.last().color, expectedStart);
        EXPECT_EQ(b.SelColor(), stored);
        expectedStart = chosen;
    }
    EXPECT_EQ(window->focusWidget(), &b);
    dialog.queueCancel(ScriptedCommonDialog::Kind::Color);
    action("mnuFormatFC_1")->trigger();
    EXPECT_EQ(b.SelColor(), 0x00A0FFu);
    EXPECT_EQ(dialog.pendingAnswers(), 0u);
}

TEST_F(FormatViewTest, FunctionKeysShowAndHideEachModeAndRebuild) {
    startShown();
    openGame("Flight Sim", {"Throttle", "Look", "Form", "Lock", "Fire"});
    const QString all = "Throttle\r\nLook\r\nForm\r\nLock\r\nFire";
    ASSERT_EQ(boxText(0), all);
    const std::pair<Qt::Key, const char*> keys[] = {{Qt::Key_F2, "Throttle"},
                                                    {Qt::Key_F3, "Look"},
                                                    {Qt::Key_F4, "Form"},
                                                    {Qt::Key_F5, "Lock"},
                                                    {Qt::Key_F6, "Fire"}};
    for (int m = 0; m < 5; ++m) {
        const auto& [key, caption] = keys[m];
        SCOPED_TRACE(caption);
        box(0).setText("typed over");
        QTest::keyClick(window.get(), key);
        EXPECT_FALSE(window->ViewCaptionChecked(m));
        QStringList shown = all.split("\r\n");
        shown.removeAll(caption);
        EXPECT_EQ(boxText(0), shown.join("\r\n"));
        // A second press brings the mode back: each press flips the item once.
        QTest::keyClick(window.get(), key);
        EXPECT_TRUE(window->ViewCaptionChecked(m));
        EXPECT_EQ(boxText(0), all);
        // Rebuilt, the box shows its first line at the top; the caret is at the end.
        EXPECT_GT(box(0).verticalScrollBar()->maximum(), 0); // the lines do not fit
        EXPECT_EQ(box(0).verticalScrollBar()->value(), 0);
        EXPECT_EQ(box(0).SelStart(), box(0).TextLength());
    }

    // "Show all" checks what was hidden; the title keeps its text through every rebuild.
    QTest::keyClick(window.get(), Qt::Key_F2);
    QTest::keyClick(window.get(), Qt::Key_F6);
    action("mnuViewShowAll")->trigger();
    for (int m = 0; m < 5; ++m) {
        EXPECT_TRUE(window->ViewCaptionChecked(m));
    }
    EXPECT_EQ(boxText(0), all);
    EXPECT_EQ(boxText(34), "Flight Sim");
}

TEST_F(FormatViewTest, RepeatRuleAndRefresh) {
    startShown();
    openGame("Flight Sim", {"Gear", "gear", "Gear up"});
    EXPECT_EQ(boxText(0), "Gear\r\nGear up");
    QAction* noRepeat = action("mnuViewNoRepeat");
    noRepeat->trigger();
    EXPECT_FALSE(noRepeat->isChecked());
    EXPECT_EQ(boxText(0), "Gear\r\ngear\r\nGear up");
    noRepeat->trigger();
    EXPECT_TRUE(noRepeat->isChecked());
    EXPECT_EQ(boxText(0), "Gear\r\nGear up");

    // Refresh puts the title wholly in the title style and rebuilds the boxes.
    RichTextBox& title = box(34);
    select(title, 0, 6);
    title.setSelBold(true);
    title.setSelColor(0x00FF00);
    box(0).setText("typed");
    QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(title.Text(), "Flight Sim");
    select(title, 0, 10);
    EXPECT_EQ(title.SelBold(), false);
    EXPECT_EQ(title.SelColor(), std::uint32_t(window->document().StyleFontColour[6]));
    EXPECT_EQ(title.SelAlignment(), 2);
    EXPECT_EQ(boxText(0), "Gear\r\nGear up");
}

TEST_F(FormatViewTest, OnlyTheShownTextMenuAnswersItsKeys) {
    startShown();
    window->CurrentBox = 0;
    box(0).setText("My own words");
    // While a template is designed the View keys leave the typed text alone.
    for (Qt::Key key : {Qt::Key_F2, Qt::Key_F7}) {
        QTest::keyClick(window.get(), key);
    }
    QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(boxText(0), "My own words");
    EXPECT_FALSE(window->ViewCaptionChecked(0));

    // Once a game is open the Format keys ask nothing.
    openGame("Flight Sim", {"Throttle"});
    QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(dialog.count(), 1u); // the open dialog only
}

} // namespace
