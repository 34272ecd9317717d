#include "programmer/window/tests/MumFixture.h"

#include "programmer/window/GridTable.h"

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

TEST_F(ProgrammingTab, ChordedPressWithDescriptionIsAssignedToTheChosenModes) {
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
}

} // namespace
