#include "card_editor/window/FormGridCellSize.h"
#include "card_editor/window/tests/EditingFixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

class Grid : public EditingFixture {
protected:
    QStringList snapSection() {
        const QStringList lines =
            TextFile::readLines(programFile("Quillet.ini")).value_or(QStringList());
        const qsizetype at = lines.indexOf("[Snap stuff]");
        return at < 0 ? QStringList() : lines.mid(at, 3);
    }

    // Answers the grid-size dialog once it is shown.
    void answerDialog(const std::function<void(FormGridCellSize&)>& act) {
        QTimer::singleShot(0, [act] {
            auto* dialog = qobject_cast<FormGridCellSize*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            act(*dialog);
        });
    }
};

TEST_F(Grid, SnapAndResizeTheCurrentBoxOrEveryVisibleOne) {
    start();
    const QRect awkward(23, 47, 100, 33);
    for (int i = 0; i < 35; ++i) {
        place(i, awkward.translated(i, 3 * i));
    }
    box(9).hide();
    window->CurrentBox = 4;
    action("mnuSnapToGrid_0")->trigger();
    EXPECT_EQ(rect(4), QRect(25, 55, 100, 33)); // from (27, 59)
    EXPECT_EQ(rect(5), awkward.translated(5, 15));

    action("mnuResizeToGrid_0")->trigger();
    EXPECT_EQ(rect(4), QRect(25, 55, 105, 35));

    action("mnuSnapToGrid_1")->trigger();
    for (int i = 0; i < 35; ++i) {
        const QRect before = awkward.translated(i, 3 * i);
        if (i == 9) {
            EXPECT_EQ(rect(i), before); // hidden boxes stay
        } else if (i != 4) {
            EXPECT_EQ(rect(i), QRect(before.x() / 5 * 5, before.y() / 5 * 5, 100, 33)) << i;
        }
    }
    action("mnuResizeToGrid_1")->trigger();
    EXPECT_EQ(rect(0), QRect(20, 45, 105, 35));
    EXPECT_EQ(rect(4), QRect(25, 55, 110, 40)); // a whole cell more each time
    EXPECT_EQ(rect(9), awkward.translated(9, 27));

    // A box dragged far off is not moved to where the layout files cannot hold it.
    place(6, QRect(-32767, 10, 50, 32766));
    window->CurrentBox = 6;
    action("mnuResizeToGrid_0")->trigger();
    EXPECT_EQ(rect(6), QRect(-32767, 10, 50, 32766));
}

TEST_F(Grid, ReleaseOptionsAreSavedAndCheckedAtTheNextStart) {
    start();
    EXPECT_TRUE(action("mnuResizeOption_2")->isChecked());
    for (int option : {1, 0, 0, 2}) {
        action(QStringLiteral("mnuResizeOption_%1").arg(option).toLatin1())->trigger();
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(action(QStringLiteral("mnuResizeOption_%1").arg(i).toLatin1())->isChecked(),
                      i == option);
        }
        EXPECT_EQ(snapSection(),
                  QStringList({"[Snap stuff]", QStringLiteral("SnapMode=%1").arg(option),
                               "GridCellSize=5"}));
    }
    action("mnuResizeOption_1")->trigger();
    start();
    EXPECT_TRUE(action("mnuResizeOption_1")->isChecked());
    EXPECT_EQ(window->SnapMode, 1);
}

TEST_F(Grid, ADamagedSectionNeitherHangsNorBreaksTheGrid) {
    const std::tuple<const char*, const char*, int> cases[] = {
        {"9", "0", 5}, {"-1", "-40", 5}, {"x", "1", 5}, {"1", "100000", 100}, {"0", "3", 3}};
    for (const auto& [mode, step, expected] : cases) {
        writeFile("Quillet.ini", {"[Snap stuff]", QStringLiteral("SnapMode=") + mode,
                                  QStringLiteral("GridCellSize=") + step});
        startShown();
        EXPECT_EQ(window->GridCellSize, expected) << step;
        action("mnuShowGrid")->trigger();
        EXPECT_EQ(window->BackgroundImage().gridStep(), expected);
        window->BackgroundImage().grab(); // draws
        place(0, QRect(23, 47, 100, 33));
        window->CurrentBox = 0;
        action("mnuSnapToGrid_0")->trigger();
        EXPECT_EQ(rect(0).topLeft(), QPoint(23 / expected * expected, 47 / expected * expected));
        // A release with no option checked leaves the box alone.
        if (QString(mode) == "9" || QString(mode) == "-1") {
            for (int i = 0; i < 3; ++i) {
                EXPECT_FALSE(
                    action(QStringLiteral("mnuResizeOption_%1").arg(i).toLatin1())->isChecked());
            }
        }
    }
}

TEST_F(Grid, ShowingTheGridTwiceRestoresEveryPixelOfTheCard) {
    ship("Gamecard.bmp");
    startShown();
    const QImage picture = window->BackgroundImage().picture().toImage();
    // The card as the user sees it, without the boxes.
    for (int i = 0; i < 35; ++i) {
        box(i).hide();
    }
    window->Image1().hide();
    const QImage before = window->BackgroundImage().grab().toImage();

    action("mnuShowGrid")->trigger();
    EXPECT_TRUE(action("mnuShowGrid")->isChecked());
    const QImage grid = window->BackgroundImage().grab().toImage();
    ASSERT_EQ(grid.size(), before.size());
    auto inverted = [](QRgb c) { return qRgb(255 - qRed(c), 255 - qGreen(c), 255 - qBlue(c)); };
    // A pixel on one line is inverted; where lines cross and between lines it is unchanged.
    const std::tuple<int, int, bool> pixels[] = {
        {5, 7, true},  {7, 5, true},     {0, 3, true},     {5, 5, false},     {0, 0, false},
        {6, 7, false}, {525, 711, true}, {526, 710, true}, {525, 710, false}, {526, 711, false}};
    for (const auto& [x, y, changed] : pixels) {
        const QRgb was = before.pixel(x, y);
        EXPECT_EQ(grid.pixel(x, y), changed ? inverted(was) : was) << x << "," << y;
    }

    action("mnuShowGrid")->trigger();
    EXPECT_EQ(window->BackgroundImage().grab().toImage(), before);
    // The picture that printing uses never holds the grid.
    EXPECT_EQ(window->BackgroundImage().picture().toImage(), picture);
}

TEST_F(Grid, TheGridSizeDialogReadsClampsAndRefuses) {
    start();
    struct Case {
        QString typed;
        int step;
        bool message;
    };
    const Case cases[] = {
        {"7", 7, false},
        {"1", 5, false},
        {"0", 5, false},
        {"-3", 5, false},
        {"abc", 5, false},
        {"150", 100, false},
        {"2", 2, false},
        {"7.9", 7, false},
        {"12abc", 12, false},
        {"  3 0", 30, false},
        {"40000", 30, true},
        {"1e99", 30, true},
        {QString(5000, u'9'), 30, true},
    };
    for (const Case& c : cases) {
        answerDialog([&c](FormGridCellSize& d) {
            EXPECT_EQ(d.windowTitle(), "Grid cell size");
            EXPECT_TRUE(d.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
            EXPECT_EQ(d.Text1->selectedText(), d.Text1->text());
            d.Text1->setText(c.typed);
            QTest::keyClick(d.Text1, Qt::Key_Return);
        });
        if (c.message) {
            messageBox.queueAnswer(MsgAnswer::Ok);
        }
        action("menuGridSize")->trigger();
        EXPECT_EQ(window->GridCellSize, c.step) << c.typed.left(20).toStdString();
        EXPECT_EQ(snapSection().value(2), QStringLiteral("GridCellSize=%1").arg(c.step));
    }
    ASSERT_EQ(messageBox.count(), 3u);
    EXPECT_EQ(messageBox.last().title, "Ooops!");
    EXPECT_EQ(messageBox.last().style, MsgStyle::Exclamation);
    EXPECT_EQ(messageBox.last().text, "The value you entered is invalid, and so I'll leave the "
                                      "grid cell size as it is.");
}

TEST_F(Grid, EscDoesNothingInTheDialogAndCancelKeepsTheStep) {
    startShown();
    action("mnuShowGrid")->trigger();
    answerDialog([](FormGridCellSize& d) {
        EXPECT_EQ(d.Text1->text(), "5");
        d.Text1->setText("9");
        QTest::keyClick(d.Text1, Qt::Key_Escape);
        EXPECT_TRUE(d.isVisible());
        d.Command1[1]->click();
    });
    action("menuGridSize")->trigger();
    EXPECT_EQ(window->GridCellSize, 5);
    EXPECT_EQ(snapSection(), QStringList({"[Snap stuff]", "SnapMode=2", "GridCellSize=5"}));
    EXPECT_TRUE(action("mnuShowGrid")->isChecked());

    // A new step while the grid shows redraws it with that step.
    answerDialog([](FormGridCellSize& d) {
        d.Text1->setText("20");
        d.Command1[0]->click();
    });
    action("menuGridSize")->trigger();
    EXPECT_TRUE(action("mnuShowGrid")->isChecked());
    EXPECT_EQ(window->BackgroundImage().gridStep(), 20);

    // Closed by its close box, it keeps the step too.
    answerDialog([](FormGridCellSize& d) {
        d.Text1->setText("50");
        d.close();
    });
    action("menuGridSize")->trigger();
    EXPECT_EQ(window->GridCellSize, 20);
}

} // namespace
