#include "programmer/window/tests/MumFixture.h"

#include "programmer/window/ControllerPicture.h"

#include <QApplication>
#include <QCheckBox>
#include <QProgressBar>
#include <QTabBar>
#include <QTabWidget>

namespace {

class GraphicalView : public MumFixture {
public:
    bool lampLit(int i) const {
        return !find<QLabel>(QStringLiteral("IMG_light_%1").arg(i))->isHidden();
    }
    bool lineShown(int j) const {
        return !find<QWidget>(QStringLiteral("Line1_%1").arg(j))->isHidden();
    }
    // Stores a record straight into the data, as a game file would, and redraws.
    ButtonRecord& storeRecord(int mode, int printed, const QString& description,
                              const QStringList& bytes, QList<int> lengthCodes) {
        ButtonRecord& record = *window->data().Record(mode, window->data().RecordOfRow(printed));
        record.Description = description;
        record.NumKeyPresses = static_cast<qint16>(lengthCodes.size());
        for (int k = 0; k < lengthCodes.size(); ++k) {
            record.setKeyPressLen(k + 1, lengthCodes.at(k));
        }
        for (int j = 0; j < bytes.size(); ++j) {
            record.setKeyCodeByte(j + 1, bytes.at(j));
        }
        window->data().CreateKeyPressesARRAY();
        window->RefreshProgrammingData();
        return record;
    }
};

TEST_F(GraphicalView, ViewOptionsChooseTheTextAndTheLinesFollowIt) {
    storeRecord(1, 21, "Autopilot", {"14", "1C"}, {11});
    storeRecord(1, 7, "", {"1C"}, {1}); // key presses alone do not count as programmed
    EXPECT_EQ(buttonLabel(21)->foreColor(), QColor(0, 255, 0));
    EXPECT_EQ(infoLabel(21)->text(), "Autopilot");
    EXPECT_EQ(buttonLabel(21)->toolTip(), "CTL a");
    EXPECT_EQ(infoLabel(21)->toolTip(), "CTL a");
    EXPECT_TRUE(lineShown(2)); // the line to button 21's text
    EXPECT_EQ(buttonLabel(7)->foreColor(), QColor(255, 255, 255));
    EXPECT_EQ(infoLabel(7)->text(), "");
    EXPECT_FALSE(lineShown(0)); // the line to button 7's text

    click("OptionGraphicalViews_1");
    EXPECT_EQ(infoLabel(21)->text(), "CTL a");
    EXPECT_EQ(buttonLabel(21)->toolTip(), "Autopilot");
    EXPECT_EQ(infoLabel(7)->text(), "");
    click("OptionGraphicalViews_2");
    EXPECT_EQ(infoLabel(21)->text(), "Autopilot = CTL a");
    EXPECT_TRUE(lampLit(0));
}

TEST_F(GraphicalView, ModeSquaresShowOneModeAndLightItsLampOnly) {
    storeRecord(1, 9, "Chase", {"01"}, {1});
    storeRecord(5, 9, "Fire", {"E0", "14", "E0", "71"}, {22});
    click("OptionGraphicalViews_2");
    click("LblMODE_4");
    EXPECT_EQ(window->data().CurrentMode, 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(lampLit(i), i == 4) << i;
    }
    EXPECT_EQ(infoLabel(9)->text(), "Fire = RCTL DEL");
    click("LblMODE_3");
    EXPECT_EQ(infoLabel(9)->text(), "");
    EXPECT_EQ(buttonLabel(9)->foreColor(), QColor(255, 255, 255));

    // With no file set up, a mode square changes nothing and an option is only stored.
    window->data().FileLoaded = 0;
    click("LblMODE_0");
    click("OptionGraphicalViews_0");
    EXPECT_TRUE(lampLit(3));
    EXPECT_EQ(window->data().GraphicalViewMode, 0);
    EXPECT_EQ(infoLabel(9)->text(), "");
}

TEST_F(GraphicalView, ARecordOverTheMemoryLimitMustLoseKeysBeforeItIsAccepted) {
    // Two Break presses claim 16 bytes of 14, possible only from a game file edited elsewhere;
    // each listing of the second press reports the mismatch.
    const QString mismatch = "Error here Morwen";
    messages.queueAnswer(MsgAnswer::Ok);
    storeRecord(1, 12, "Too long", {"E1", "14", "77", "E1", "F0", "14", "F0", "77", "E1", "14"},
                {8, 8});
    messages.queueAnswer(MsgAnswer::Ok);
    clickButtonNumber(12);
    EXPECT_EQ(messages.last().title, mismatch);
    EXPECT_EQ(find<QProgressBar>("ProgressBar1")->value(), 0);
    messages.queueAnswer(MsgAnswer::Ok);
    clickKey(20);
    EXPECT_EQ(messages.last().title, "Too many keypresses");

    // Showing the edit record again checks its size.
    click("CheckDelete");
    messages.queueAnswer(MsgAnswer::Ok);
    messages.queueAnswer(MsgAnswer::Ok);
    click("CheckDelete");
    EXPECT_EQ(messages.last().title, "Too many key presses");
    EXPECT_EQ(messages.last().style, MsgStyle::Critical);
    EXPECT_FALSE(enabled("Command2_0"));
    EXPECT_EQ(find<QProgressBar>("ProgressBar1")->value(), 0);

    click("Command3_2");
    EXPECT_EQ(find<QProgressBar>("ProgressBar1")->value(), 14);
    EXPECT_TRUE(enabled("Command2_0"));
    EXPECT_EQ(messages.count(), 5u);

    // Cancel in delete mode leaves it and reloads the stored record.
    click("CheckDelete");
    messages.queueAnswer(MsgAnswer::Ok);
    click("Command2_1");
    EXPECT_FALSE(find<QCheckBox>("CheckDelete")->isChecked());
    EXPECT_EQ(find<QPushButton>("Command2_0")->text(), "Accept");
    EXPECT_EQ(listRows(), QStringList({"BRK", "error"}));
    EXPECT_EQ(window->data().ProgrammingInProgress, 0);
    EXPECT_EQ(messages.count(), 6u);
}

// Without a mouse: Tab walks the buttons by printed number, then the mode squares, and Space
// or Enter does what a click does.
TEST_F(GraphicalView, KeysReachTheModeSquaresButtonsAndModeLabels) {
    const auto nextTabStop = [](QWidget* from) {
        QWidget* next = from->nextInFocusChain();
        while (next != from && !(next->focusPolicy() & Qt::TabFocus)) {
            next = next->nextInFocusChain();
        }
        return next;
    };
    EXPECT_EQ(nextTabStop(buttonLabel(4)), buttonLabel(5));
    EXPECT_EQ(nextTabStop(buttonLabel(28)), find<ClickLabel>("LblMODE_0"));
    QTest::keyClick(find<ClickLabel>("LblMODE_2"), Qt::Key_Space);
    EXPECT_TRUE(lampLit(2));
    QTest::keyClick(buttonLabel(28), Qt::Key_Return);
    EXPECT_EQ(window->CurrentButton, window->data().RecordOfRow(28) - 1);
    auto* weapons = find<ClickLabel>("LBLprogramMode_4");
    const QColor before = weapons->backColor();
    QTest::keyClick(weapons, Qt::Key_Space);
    EXPECT_NE(weapons->backColor(), before);
}

// Keys typed go to a control that shows it has them, never to a page that ignores them.
TEST_F(GraphicalView, TheKeyboardStaysOnAControlTheUserCanSee) {
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTabBar* tabs = window->SSTab1->tabBar();
    const auto clickTab = [tabs](int index) {
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
    };
    // With no button chosen, nothing on the programming tab can take the keys.
    for (const char* from : {"Grid1", "LblBTN_0"}) {
        clickTab(0);
        find<QWidget>(from)->setFocus();
        clickTab(1);
        EXPECT_EQ(QApplication::focusWidget(), tabs) << from;
    }
    EXPECT_TRUE(window->testAttribute(Qt::WA_KeyboardFocusChange)); // the style draws it
    // Arrows on the tab bar walk the tabs, the document's too, and stay on the bar.
    QTest::keyClick(tabs, Qt::Key_Right);
    EXPECT_EQ(window->SSTab1->currentIndex(), 2);
    EXPECT_EQ(QApplication::focusWidget(), tabs);
    QTest::keyClick(tabs, Qt::Key_Left);
    EXPECT_EQ(window->SSTab1->currentIndex(), 1);
    // A click on the document's tab still gives the document the keys.
    clickTab(2);
    EXPECT_EQ(QApplication::focusWidget(), find<QWidget>("TemplateText"));
    // A chosen button is named first; deselected, its box is disabled and the bar takes over.
    clickButtonNumber(5);
    EXPECT_EQ(QApplication::focusWidget(), find<QLineEdit>("Text1"));
    clickButtonNumber(5);
    EXPECT_EQ(QApplication::focusWidget(), tabs);
}

} // namespace
