#include "programmer/window/tests/MumFixture.h"

#include "programmer/window/GridTable.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>

#include <QSlider>
#include <cmath>

namespace {

class TableView : public MumFixture {
public:
    GridTable* grid() const { return find<GridTable>("Grid1"); }
    QSlider* slider(int i) const { return find<QSlider>(QStringLiteral("Slider1_%1").arg(i)); }
    // Twips on this screen, as the window converts them.
    int pixels(int twips) const {
        const double dpi = window->screen()->logicalDotsPerInchY();
        return static_cast<int>(std::lround(twips * dpi / 1440.0));
    }
    void rightClickCell(int row, int column) {
        const QRect cell = grid()->visualItemRect(grid()->item(row, column));
        QTest::mouseClick(grid()->viewport(), Qt::RightButton, {}, cell.center());
    }
};

TEST_F(TableView, RowsFollowPrintedButtonNumbersAndViewOptionsChooseTheText) {
    EXPECT_EQ(grid()->rowCount(), 29);
    EXPECT_EQ(grid()->columnCount(), 6);
    EXPECT_EQ(grid()->cellText(0, 4), "Radar/Target");
    EXPECT_EQ(grid()->cellText(28, 0), "28");

    // Button 28 is record 5; a key press without a description shows only as key text.
    programButton(28, "Brakes", 21);
    window->data().Record(2, 12)->KeyText = "SHF a";
    window->RefreshProgrammingData();
    EXPECT_EQ(grid()->cellText(28, 1), "Brakes");
    EXPECT_EQ(grid()->cellText(5, 2), "");

    click("OptionTableViews_1");
    EXPECT_EQ(grid()->cellText(28, 1), "b");
    EXPECT_EQ(grid()->cellText(5, 2), "SHF a");
    click("OptionTableViews_2");
    EXPECT_EQ(grid()->cellText(28, 1), "Brakes = b");
    EXPECT_EQ(grid()->cellText(5, 2), "");

    // A new file empties the cells and keeps headers and view option.
    messages.queueAnswer(MsgAnswer::No);
    window->mnuNew->trigger();
    EXPECT_EQ(grid()->cellText(28, 1), "");
    EXPECT_EQ(grid()->cellText(0, 1), "Views Out");
    EXPECT_EQ(window->data().TableViewMode, 2);
}

TEST_F(TableView, SlidersSizeDataRowsAndColumnsInTwipsAndRestorePutsThemBack) {
    const int headerHeight = grid()->rowHeight(0);
    const int headerWidth = grid()->columnWidth(0);
    EXPECT_EQ(grid()->rowHeight(1), pixels(306));
    EXPECT_EQ(grid()->columnWidth(5), pixels(1510));

    slider(0)->setValue(100);
    slider(1)->setValue(100);
    EXPECT_EQ(grid()->rowHeight(28), pixels(1296));
    EXPECT_EQ(grid()->columnWidth(1), pixels(3490));
    EXPECT_EQ(grid()->rowHeight(0), headerHeight);
    EXPECT_EQ(grid()->columnWidth(0), headerWidth);

    grid()->setCellText(3, 3, "kept");
    window->mnuRestoreTable->trigger();
    EXPECT_EQ(slider(0)->value(), 1);
    EXPECT_EQ(slider(1)->value(), 1);
    EXPECT_EQ(grid()->rowHeight(14), pixels(306));
    EXPECT_EQ(grid()->columnWidth(3), pixels(1510));
    EXPECT_EQ(grid()->cellText(3, 3), "kept");
}

TEST_F(TableView, PopUpOnlyWithoutSelectedButtonAndCutCopyOnlyForOneCell) {
    auto* menu = window->mnuRHM;
    EXPECT_FALSE(window->menuBar()->actions().contains(menu->menuAction()));

    clickButtonNumber(1); // button 1 is label index 0, a selection like any other
    window->SSTab1->setCurrentIndex(0);
    grid()->selectRectangle(2, 1, 2, 1);
    rightClickCell(2, 1);
    EXPECT_FALSE(menu->isVisible());
    clickButtonNumber(1); // deselect

    grid()->selectRectangle(2, 1, 3, 1);
    rightClickCell(2, 1);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_FALSE(window->RHMCCP[0]->isEnabled());
    EXPECT_FALSE(window->RHMCCP[1]->isEnabled());
    EXPECT_FALSE(window->RHMCCP[2]->isEnabled());
    // The right click leaves the selection as it was.
    const GridTable::Selection s = grid()->selectedRectangle();
    EXPECT_EQ(s.lastRow, 3);
    menu->hide();

    grid()->selectRectangle(4, 2, 4, 2);
    rightClickCell(4, 2);
    EXPECT_TRUE(window->RHMCCP[0]->isEnabled());
    EXPECT_TRUE(window->RHMCCP[1]->isEnabled());
    menu->hide();
}

TEST_F(TableView, MenuKeyOpensThePopUpOnTheSelection) {
    grid()->selectRectangle(4, 2, 4, 2);
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(), QPoint());
    QApplication::sendEvent(grid()->viewport(), &menuKey);
    EXPECT_TRUE(window->mnuRHM->isVisible());
    EXPECT_TRUE(window->RHMCCP[0]->isEnabled());
    EXPECT_EQ(grid()->selectedRectangle().firstRow, 4);
    window->mnuRHM->hide();
    QTest::keyClick(grid(), Qt::Key_Tab); // Tab leaves the table: the cell stays chosen
    EXPECT_EQ(grid()->selectedRectangle().firstColumn, 2);
}

} // namespace
