#include "card_editor/window/FormGridCellSize.h"
#include "card_editor/window/tests/EditingFixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

class Grid : public EditingFixture {
protected:
    QStringList snapSection() {
        const QStringList lines = *TextFile::readLines(programFile("Quillet.ini"));
        return lines.mid(lines.indexOf("[Snap stuff]"), 3);
    }
    // Runs the grid-size dialog and answers it.
    void gridSize(const std::function<void(FormGridCellSize&)>& act) {
        QTimer::singleShot(0, [act] {
            auto* dialog = qobject_cast<FormGridCellSize*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            act(*dialog);
        });
        action("menuGridSize")->trigger();
    }
};

TEST_F(Grid, SnapAndResizeTheCurrentBoxOrEveryVisibleOne) {
    start();
    for (int i = 0; i < 35; ++i) {
        place(i, QRect(23 + i, 47, 100, 33));
    }
    box(9).hide();
    window->CurrentBox = 4;
    action("mnuSnapToGrid_0")->trigger();
    EXPECT_EQ(rect(4), QRect(25, 45, 100, 33));
    EXPECT_EQ(rect(5), QRect(28, 47, 100, 33));
    action("mnuResizeToGrid_0")->trigger();
    EXPECT_EQ(rect(4), QRect(25, 45, 105, 35));
    action("mnuSnapToGrid_1")->trigger();
    EXPECT_EQ(rect(5), QRect(25, 45, 100, 33));
    EXPECT_EQ(rect(34), QRect(55, 45, 100, 33));
    action("mnuResizeToGrid_1")->trigger();
    EXPECT_EQ(rect(4), QRect(25, 45, 110, 40)); // a whole cell more each time
    EXPECT_EQ(rect(34), QRect(55, 45, 105, 35));
    EXPECT_EQ(rect(9), QRect(32, 47, 100, 33)); // hidden boxes stay
}

TEST_F(Grid, ReleaseOptionsAreSavedAndADamagedSectionIsSafe) {
    start();
    action("mnuResizeOption_1")->trigger();
    EXPECT_EQ(snapSection(), QStringList({"[Snap stuff]", "SnapMode=1", "GridCellSize=5"}));
    start();
    EXPECT_TRUE(action("mnuResizeOption_1")->isChecked());
    EXPECT_FALSE(action("mnuResizeOption_2")->isChecked());

    const std::tuple<const char*, const char*, int> cases[] = {
        {"9", "0", 5}, {"-1", "-40", 5}, {"1", "100000", 100}, {"0", "3", 3}};
    for (const auto& [mode, step, expected] : cases) {
        writeFile("Quillet.ini", {"[Snap stuff]", QStringLiteral("SnapMode=") + mode,
                                  QStringLiteral("GridCellSize=") + step});
        startShown();
        EXPECT_EQ(window->GridCellSize, expected) << step;
        action("mnuShowGrid")->trigger();
        window->BackgroundImage().grab();
        place(0, QRect(23, 47, 100, 33));
        action("mnuSnapToGrid_0")->trigger();
        EXPECT_EQ(rect(0).topLeft(), QPoint(23 / expected * expected, 47 / expected * expected));
        const bool noOption = QByteArray(mode) == "9" || QByteArray(mode) == "-1";
        EXPECT_EQ(action("mnuResizeOption_2")->isChecked() ||
                      action("mnuResizeOption_0")->isChecked() ||
                      action("mnuResizeOption_1")->isChecked(),
                  !noOption);
    }
}

TEST_F(Grid, ShowingTheGridTwiceRestoresEveryPixelOfTheCard) {
    ship("Gamecard.bmp");
    startShown();
    for (int i = 0; i < 35; ++i) {
        box(i).hide(); // the card as it is, without the boxes
    }
    const QImage picture = window->BackgroundImage().picture().toImage();
    const QImage before = window->BackgroundImage().grab().toImage();
    action("mnuShowGrid")->trigger();
    const QImage grid = window->BackgroundImage().grab().toImage();
    // A pixel on one line is inverted; where lines cross and between them it is unchanged.
    const std::tuple<int, int, bool> pixels[] = {{5, 7, true},     {0, 3, true},
                                                 {5, 5, false},    {6, 7, false},
                                                 {526, 710, true}, {525, 710, false}};
    for (const auto& [x, y, changed] : pixels) {
        const QRgb was = before.pixel(x, y);
        const QRgb inverted = qRgb(255 - qRed(was), 255 - qGreen(was), 255 - qBlue(was));
        EXPECT_EQ(grid.pixel(x, y), changed ? inverted : was) << x << "," << y;
    }
    action("mnuShowGrid")->trigger();
    EXPECT_EQ(window->BackgroundImage().grab().toImage(), before);
    EXPECT_EQ(window->BackgroundImage().picture().toImage(), picture); // printing's picture
}

TEST_F(Grid, TheGridSizeDialogReadsClampsAndRefuses) {
    startShown();
    action("mnuShowGrid")->trigger();
    const std::tuple<QString, int, bool> cases[] = {
        {"7", 7, false},      {"-3", 5, false},    {"150", 100, false},
        {"12abc", 12, false}, {"40000", 12, true}, {QString(5000, u'9'), 12, true}};
    for (const auto& [typed, step, refused] : cases) {
        if (refused) {
            messageBox.queueAnswer(MsgAnswer::Ok);
        }
        gridSize([&typed = typed](FormGridCellSize& d) {
            EXPECT_TRUE(d.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
            EXPECT_EQ(d.Text1->selectedText(), d.Text1->text()); // typing replaces it
            d.Text1->setText(typed);
            QTest::keyClick(d.Text1, Qt::Key_Return);
        });
        EXPECT_EQ(window->GridCellSize, step);
        EXPECT_EQ(window->BackgroundImage().gridStep(), step); // redrawn with the new step
        EXPECT_EQ(snapSection().value(2), QStringLiteral("GridCellSize=%1").arg(step));
    }
    ASSERT_EQ(messageBox.count(), 2u);
    EXPECT_EQ(messageBox.last().title, "Ooops!");
    EXPECT_EQ(messageBox.last().style, MsgStyle::Exclamation);
    EXPECT_EQ(messageBox.last().text, "The value you entered is invalid, and so I'll leave the "
                                      "grid cell size as it is.");

    // Esc does nothing; Cancel and the close box keep the step, which is written again.
    QFile::remove(programFile("Quillet.ini"));
    gridSize([](FormGridCellSize& d) {
        d.Text1->setText("9");
        QTest::keyClick(d.Text1, Qt::Key_Escape);
        EXPECT_TRUE(d.isVisible());
        d.Command1[1]->click();
    });
    gridSize([](FormGridCellSize& d) { d.close(); });
    EXPECT_EQ(window->GridCellSize, 12);
    EXPECT_EQ(snapSection(), QStringList({"[Snap stuff]", "SnapMode=2", "GridCellSize=12"}));
}

} // namespace
