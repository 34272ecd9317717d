#include "programmer/window/tests/MumFixture.h"

#include "programmer/window/GridTable.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>

namespace {

QColor green() {
    return {0, 255, 0};
}
QColor red() {
    return {255, 0, 0};
}

class ProgrammingTab : public MumFixture {};

TEST_F(ProgrammingTab, OnePieceOfWorkFromThePictureToTheReopenedFile) {
    clickButtonNumber(5);
    EXPECT_EQ(buttonLabel(5)->foreColor(), red());
    EXPECT_EQ(window->SSTab1->currentIndex(), 1);
    EXPECT_EQ(find<QLabel>("Label2_8")->text(), "5");
    // Views-Out comes chosen from the lit lamp; Radar/Target is added.
    click("LBLprogramMode_3");

    clickKey(61); // right Ctrl
    clickKey(63); // right Alt
    EXPECT_FALSE(enabled("Command1_60"));
    EXPECT_FALSE(enabled("Command1_63"));
    EXPECT_TRUE(enabled("Command1_58"));
    clickKey(87); // Del ends the chord
    clickKey(20); // a
    auto* list = find<QListWidget>("MacroStepsList");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "RCTL RALT DEL");
    EXPECT_EQ(list->item(1)->text(), "a");
    EXPECT_EQ(find<QProgressBar>("ProgressBar1")->value(), 7);
    EXPECT_TRUE(enabled("Command1_60"));

    QTest::keyClicks(find<QLineEdit>("Text1"), "Eject");
    messages.queueAnswer(MsgAnswer::Ok);
    click("Command2_0");
    ASSERT_EQ(messages.count(), 1u);
    EXPECT_EQ(messages.last().title, "Programming assigned");
    EXPECT_EQ(messages.last().text, "Programming assigned to button 5 for the selected modes.");
    EXPECT_EQ(messages.last().style, 0);

    EXPECT_EQ(buttonLabel(5)->foreColor(), green());
    EXPECT_EQ(infoLabel(5)->text(), "Eject");
    EXPECT_EQ(window->CurrentButton, Mum::NoButton);
    EXPECT_EQ(find<QLabel>("Label2_8")->text(), "-");
    EXPECT_FALSE(enabled("Command2_0"));
    EXPECT_EQ(panel(2), "Modified");

    auto* grid = find<GridTable>("Grid1");
    EXPECT_EQ(grid->cellText(5, 1), "Eject");
    EXPECT_EQ(grid->cellText(5, 4), "Eject");
    EXPECT_EQ(grid->cellText(5, 2), "");
    const ButtonRecord* stored = window->data().Record(4, 12);
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->KeyText, "RCTL RALT DEL a");
    EXPECT_EQ(stored->NumKeyPresses, 2);
    EXPECT_EQ(stored->KeyPressLen(1), 42);
    EXPECT_EQ(stored->KeyPressLen(2), 1);
    EXPECT_EQ(stored->KeyCodes(), "E014E011E0711CFFFFFFFFFFFFFF");
    EXPECT_EQ(*window->data().Record(1, 12), *stored);

    // Saved through the dialog, the file comes back in a new window on the same settings.
    dialogs.queueSave(folder.filePath("Falcon"));
    window->mnuSave->trigger();
    EXPECT_EQ(panel(1), " Falcon.gam saved successfully.");
    EXPECT_EQ(panel(2), "Saved");
    const ButtonRecord saved = *stored;
    startWindow();
    EXPECT_EQ(panel(3), "Falcon.gam");
    EXPECT_EQ(panel(2), "Saved");
    EXPECT_EQ(*window->data().Record(1, 12), saved);
    EXPECT_EQ(*window->data().Record(4, 12), saved);
    EXPECT_EQ(window->data().Record(2, 12)->Description, "");
    EXPECT_EQ(buttonLabel(5)->foreColor(), green());
    EXPECT_EQ(infoLabel(5)->text(), "Eject");
    EXPECT_EQ(buttonLabel(5)->toolTip(), "RCTL RALT DEL a");
    EXPECT_EQ(find<GridTable>("Grid1")->cellText(5, 4), "Eject");
    EXPECT_EQ(messages.count(), 1u);
}

} // namespace

namespace {

TEST_F(ProgrammingTab, MemoryLimitTakesExactlyFourteenBytesAndKeepsARefusedChordPending) {
    clickButtonNumber(1);
    clickKey(99);  // Brk, 8 bytes
    clickKey(100); // Prt, 4 bytes
    EXPECT_EQ(find<QProgressBar>("ProgressBar1")->value(), 2);

    clickKey(58); // left Shift
    clickKey(60); // left Ctrl
    messages.queueAnswer(MsgAnswer::Ok);
    clickKey(20); // "a": 12 + 2 + 1 = 15
    ASSERT_EQ(messages.count(), 1u);
    EXPECT_EQ(messages.last().title, "Too many keypresses");
    EXPECT_EQ(messages.last().style, MsgStyle::Critical);
    EXPECT_EQ(window->data().ChordStepCount, 2);
    EXPECT_EQ(listRows(), QStringList({"BRK", "PRNTSCRN"}));
    for (int k = 58; k <= 63; ++k) {
        EXPECT_TRUE(enabled(QStringLiteral("Command1_%1").arg(k))) << k;
    }
    // The pending chord still counts for the next key.
    messages.queueAnswer(MsgAnswer::Ok);
    clickKey(21);
    EXPECT_EQ(messages.count(), 2u);
    EXPECT_EQ(window->data().TempButton(1).NumKeyPresses, 2);

    // Cleared presses leave the chord pending for the next key; 6 + 8 is exactly 14.
    click("Command3_2");
    EXPECT_EQ(find<QProgressBar>("ProgressBar1")->value(), 14);
    clickKey(100);
    clickKey(99);
    EXPECT_EQ(messages.count(), 2u);
    EXPECT_EQ(listRows(), QStringList({"SHF CTL PRNTSCRN", "BRK"}));
    EXPECT_EQ(window->data().TempButton(1).KeyPressLen(1), 24);
    EXPECT_EQ(find<QProgressBar>("ProgressBar1")->value(), 0);
    EXPECT_TRUE(enabled("Command2_0"));
}

TEST_F(ProgrammingTab, ModifierKeysAreDisabledByKindUntilAnOrdinaryKey) {
    clickButtonNumber(3);
    clickKey(58); // left Shift
    EXPECT_FALSE(enabled("Command1_58"));
    EXPECT_FALSE(enabled("Command1_59"));
    EXPECT_TRUE(enabled("Command1_60"));
    EXPECT_TRUE(enabled("Command1_63"));
    EXPECT_TRUE(enabled("Command1_64")); // Enter
    clickKey(63);                        // right Alt
    EXPECT_FALSE(enabled("Command1_62"));
    EXPECT_FALSE(enabled("Command1_63"));
    EXPECT_TRUE(enabled("Command1_61"));
    clickKey(64);
    for (int k = 58; k <= 63; ++k) {
        EXPECT_TRUE(enabled(QStringLiteral("Command1_%1").arg(k))) << k;
    }
    EXPECT_EQ(listRows(), QStringList({"SHF RALT ENT"}));
    EXPECT_EQ(window->data().TempButton(1).KeyPressLen(1), 31);
    // With no description yet, the description box takes the focus after a press.
    EXPECT_EQ(window->focusWidget(), find<QLineEdit>("Text1"));
}

TEST_F(ProgrammingTab, ChordQuestionIsAskedOnlyForTheFirstModifierWhenNotAssumed) {
    window->mnuAssumeChordedKeys->trigger();
    EXPECT_FALSE(window->mnuAssumeChordedKeys->isChecked());
    EXPECT_EQ(window->data().Settings.AlwaysChorded, 0);
    clickButtonNumber(7);

    // No: the modifier is a press of its own, counted by its bytes.
    messages.queueAnswer(MsgAnswer::No);
    clickKey(58);
    messages.queueAnswer(MsgAnswer::No);
    clickKey(61);
    ASSERT_EQ(messages.count(), 2u);
    EXPECT_EQ(messages.last().title, "Set up chorded key?");
    EXPECT_EQ(messages.last().style, MsgStyle::YesNo);
    EXPECT_EQ(window->data().ChordStepCount, 0);
    EXPECT_EQ(listRows(), QStringList({"LSHF", "RCTL"}));
    EXPECT_EQ(window->data().TempButton(1).KeyPressLen(1), 1);
    EXPECT_EQ(window->data().TempButton(1).KeyPressLen(2), 2);

    // Yes: a chord starts, and its second modifier is not asked about.
    messages.queueAnswer(MsgAnswer::Yes);
    clickKey(60);
    clickKey(62);
    EXPECT_EQ(messages.count(), 3u);
    clickKey(20);
    EXPECT_EQ(listRows(), QStringList({"LSHF", "RCTL", "CTL ALT a"}));
}

TEST_F(ProgrammingTab, SelectionIsLockedWhileProgrammingAndCancelRestoresTheStoredRecord) {
    programButton(1, "Gear", 26);
    clickButtonNumber(1);
    EXPECT_EQ(find<QLineEdit>("Text1")->text(), "Gear");
    QTest::keyClicks(find<QLineEdit>("Text1"), "s");
    clickKey(27);
    EXPECT_EQ(listRows(), QStringList({"g", "h"}));

    const std::size_t before = messages.count();
    messages.queueAnswer(MsgAnswer::Ok);
    clickButtonNumber(2);
    messages.queueAnswer(MsgAnswer::Ok);
    clickButtonNumber(1); // the selected button itself is locked too
    ASSERT_EQ(messages.count(), before + 2);
    EXPECT_EQ(messages.last().title, "Can't save whilst programming");
    EXPECT_EQ(messages.last().text,
              "You're in the middle of programming a button. You need to Accept or Cancel that "
              "programming before you can select a different button.");
    EXPECT_EQ(window->CurrentButton, 0);
    EXPECT_EQ(buttonLabel(1)->foreColor(), red());

    // A mode change leaves the selected button red.
    click("LblMODE_2");
    EXPECT_EQ(buttonLabel(1)->foreColor(), red());
    click("LblMODE_0");

    click("Command2_1");
    EXPECT_EQ(find<QLineEdit>("Text1")->text(), "Gear");
    EXPECT_EQ(listRows(), QStringList({"g"}));
    EXPECT_EQ(window->data().ProgrammingInProgress, 0);
    EXPECT_EQ(window->data().TempButton(1).Description, "Gear");
    clickButtonNumber(2);
    EXPECT_EQ(window->CurrentButton, 1);
    EXPECT_EQ(buttonLabel(1)->foreColor(), green());
    EXPECT_EQ(buttonLabel(2)->foreColor(), red());
}

TEST_F(ProgrammingTab, DeleteModeBlanksTheChosenModesOnly) {
    // Button 9 programmed in Views Out and Wingman.
    clickButtonNumber(9);
    click("LBLprogramMode_2");
    clickKey(36);
    QTest::keyClicks(find<QLineEdit>("Text1"), "Quit");
    messages.queueAnswer(MsgAnswer::Ok);
    click("Command2_0");
    EXPECT_EQ(find<GridTable>("Grid1")->cellText(9, 3), "Quit");

    clickButtonNumber(9);
    click("CheckDelete");
    EXPECT_EQ(find<QPushButton>("Command2_0")->text(), "Delete");
    EXPECT_FALSE(enabled("Command1_36"));
    EXPECT_FALSE(enabled("FrameButtonAssignments"));
    EXPECT_TRUE(enabled("LBLprogramMode_2"));
    EXPECT_EQ(listRows(), QStringList());
    // Leaving delete mode shows the edit record again.
    click("CheckDelete");
    EXPECT_EQ(find<QPushButton>("Command2_0")->text(), "Accept");
    EXPECT_EQ(listRows(), QStringList({"q"}));
    EXPECT_TRUE(enabled("Command1_36"));

    click("CheckDelete");
    click("LBLprogramMode_0"); // the only chosen mode, now unchosen
    messages.queueAnswer(MsgAnswer::Ok);
    click("Command2_0");
    EXPECT_EQ(messages.last().title, "Which mode am I deleting this button's programming from?");
    EXPECT_EQ(window->data().Record(1, window->data().RecordOfRow(9))->Description, "Quit");

    click("LBLprogramMode_2");
    messages.queueAnswer(MsgAnswer::Ok);
    click("Command2_0");
    EXPECT_EQ(messages.last().title, "Programming cleared");
    EXPECT_EQ(messages.last().text, "Programming cleared from button 9 for the selected modes.");
    EXPECT_EQ(window->data().Record(3, window->data().RecordOfRow(9))->Description, "");
    EXPECT_EQ(window->data().Record(1, window->data().RecordOfRow(9))->Description, "Quit");
    EXPECT_EQ(find<GridTable>("Grid1")->cellText(9, 3), "");
    EXPECT_EQ(find<GridTable>("Grid1")->cellText(9, 1), "Quit");
    EXPECT_EQ(window->CurrentButton, Mum::NoButton);
    EXPECT_FALSE(find<QCheckBox>("CheckDelete")->isChecked());
    EXPECT_FALSE(enabled("CheckDelete"));
    EXPECT_EQ(find<QPushButton>("Command2_0")->text(), "Accept");
    EXPECT_EQ(panel(2), "Modified");
}

TEST_F(ProgrammingTab, AcceptRefusesInOrderKeysDescriptionModes) {
    clickButtonNumber(28);
    messages.queueAnswer(MsgAnswer::Ok);
    click("Command2_0");
    EXPECT_EQ(messages.last().title, "No keyboard keys selected");
    EXPECT_EQ(messages.last().text,
              "You haven't assigned any keyboard key presses for button 28. If you want to delete "
              "any programming from this button, just select the checkbox for this. Otherwise "
              "please select the keys you want this button to emulate");
    clickKey(20);
    messages.queueAnswer(MsgAnswer::Ok);
    click("Command2_0");
    EXPECT_EQ(messages.last().title, "No description entered");
    QTest::keyClicks(find<QLineEdit>("Text1"), "Flaps");
    click("LBLprogramMode_0");
    messages.queueAnswer(MsgAnswer::Ok);
    click("Command2_0");
    EXPECT_EQ(messages.last().title, "Which mode am I programming this button for?");
    EXPECT_EQ(window->CurrentButton, 4);
    EXPECT_EQ(panel(2), "New file");
}

} // namespace

namespace {

class ProgrammingTabKeys : public MumFixture {};

// A key press hands the focus to "Accept"; Enter there must do what Space does.
TEST_F(ProgrammingTabKeys, EnterPressesTheFocusedAccept) {
    clickButtonNumber(3);
    clickKey(20);
    QTest::keyClicks(find<QLineEdit>("Text1"), "Gear");
    messages.queueAnswer(MsgAnswer::Ok);
    QTest::keyClick(find<QPushButton>("Command2_0"), Qt::Key_Enter, Qt::KeypadModifier);
    ASSERT_EQ(messages.count(), 1u);
    EXPECT_EQ(messages.last().title, "Programming assigned");
    EXPECT_EQ(infoLabel(3)->text(), "Gear");
}

// Tabbing into the description releases Tab there; only typing starts programming.
TEST_F(ProgrammingTabKeys, ReleaseOfTheTabThatBroughtTheFocusIsNoTyping) {
    clickButtonNumber(3);
    auto* text = find<QLineEdit>("Text1");
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(text, &focusIn);
    QTest::keyRelease(text, Qt::Key_Tab);
    EXPECT_EQ(window->data().ProgrammingInProgress, 0);
    QTest::keyClick(text, Qt::Key_G);
    EXPECT_EQ(window->data().ProgrammingInProgress, 1);
}

} // namespace
