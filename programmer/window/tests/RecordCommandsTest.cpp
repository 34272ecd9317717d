#include "programmer/window/tests/MumFixture.h"

#include "programmer/window/FormSwap.h"
#include "programmer/window/GridTable.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>

#include <functional>
#include <map>

namespace {

// Descriptions that "&Insert 1 to 0 ..." gives, by printed button number.
const std::map<int, QString> Vertical = {{23, "One"},  {24, "Two"}, {25, "Three"}, {26, "Four"},
                                         {27, "Five"}, {28, "Six"}, {16, "Seven"}, {15, "Eight"},
                                         {14, "Nine"}, {13, "Zero"}};

class RecordCommands : public MumFixture {
public:
    GridTable* grid() const { return find<GridTable>("Grid1"); }

    QPoint cellCentre(int row, int column) {
        grid()->scrollToItem(grid()->item(row, column));
        return grid()->visualItemRect(grid()->item(row, column)).center();
    }
    // Clicks the first cell and shift-clicks the last, as a user selects a rectangle.
    void selectCells(int firstRow, int firstColumn, int lastRow, int lastColumn) {
        window->SSTab1->setCurrentIndex(0);
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {},
                          cellCentre(firstRow, firstColumn));
        if (lastRow != firstRow || lastColumn != firstColumn) {
            QTest::mouseClick(grid()->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                              cellCentre(lastRow, lastColumn));
        }
    }
    // Right-clicks the selection and picks an item of the pop-up menu.
    void choose(QAction* item) {
        const CellRectangle s = grid()->selectedRectangle();
        QTest::mouseClick(grid()->viewport(), Qt::RightButton, {},
                          cellCentre(s.firstRow, s.firstColumn));
        QMenu* menu = window->mnuRHM;
        ASSERT_TRUE(menu->isVisible());
        if (!item->isEnabled()) {
            menu->hide();
            return;
        }
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
        EXPECT_FALSE(menu->isVisible());
    }
    void cut() { choose(window->RHMCCP[0]); }
    void copy() { choose(window->RHMCCP[1]); }
    void paste() { choose(window->RHMCCP[2]); }
    void remove() { choose(window->RHMDelete); }

    // "&Swap", answered in the dialog by act.
    void swap(const std::function<void(FormSwap&)>& act) {
        QTimer::singleShot(0, [act] {
            auto* dialog = qobject_cast<FormSwap*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            act(*dialog);
        });
        choose(window->RHMSwap);
    }
    static std::function<void(FormSwap&)> pick(int style, int buttonFrom, int buttonTo,
                                               int modeFrom, int modeTo) {
        return [=](FormSwap& d) {
            QTest::mouseClick(d.OptionSwap[static_cast<std::size_t>(style)], Qt::LeftButton);
            const int values[4] = {buttonFrom, buttonTo, modeFrom, modeTo};
            for (std::size_t i = 0; i < 4; ++i) {
                if (d.ModeCombo[i]->isEnabled()) {
                    d.ModeCombo[i]->setCurrentIndex(values[i] - 1);
                }
            }
            QTest::mouseClick(d.Command1[0], Qt::LeftButton);
        };
    }

    void insertDigits(int index, int modeIndex) {
        click(QStringLiteral("LblMODE_%1").arg(modeIndex));
        window->mnuOrientation1to0[static_cast<std::size_t>(index)]->trigger();
    }

    // The game file as Save As writes it, line by line.
    QStringList saved(const QString& stem) {
        // A file of its own each time, so that Save As never asks to overwrite.
        const QString name = QString("%1 %2.gam").arg(stem).arg(++saves_);
        dialogs.queueSave(folder.filePath(name));
        window->mnuFileSaveAs->trigger();
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        QStringList lines = QString::fromLatin1(file.readAll()).split("\r\n");
        EXPECT_EQ(lines.takeLast(), "");
        return lines;
    }
    // Every cell's description, by (printed button, mode).
    std::map<std::pair<int, int>, QString> cells() const {
        std::map<std::pair<int, int>, QString> all;
        for (int row = 1; row <= 28; ++row) {
            for (int column = 1; column <= 5; ++column) {
                const QString text = grid()->cellText(row, column);
                if (!text.isEmpty()) {
                    all[{row, column}] = text;
                }
            }
        }
        return all;
    }
    // The description lines of a game file for these cells, in file order.
    QStringList descriptionLines(const std::map<std::pair<int, int>, QString>& cells) const {
        std::map<std::pair<int, int>, QString> byRecord;
        for (const auto& [cell, text] : cells) {
            byRecord[{cell.second, window->data().RecordOfRow(cell.first)}] = text;
        }
        QStringList lines;
        for (const auto& [key, text] : byRecord) {
            lines << QString("$0%1 $%2 $%3 ").arg(key.first).arg(hh(key.second), hh(text.size())) +
                         text;
        }
        return lines;
    }
    int saves_ = 0;

    // The cells after these changes; an empty text empties its cell.
    using Cells = std::map<std::pair<int, int>, QString>;
    static void applyChanges(Cells& cells, const Cells& changes) {
        for (const auto& [cell, text] : changes) {
            if (text.isEmpty()) {
                cells.erase(cell);
            } else {
                cells[cell] = text;
            }
        }
    }

    static QString hh(int v) { return QString("%1").arg(v, 2, 16, QChar('0')).toUpper(); }
    // The code-byte line of a record of mode m.
    static QString codeLine(const QStringList& file, int m, int record) {
        return file.value(28 * (m - 1) + record);
    }
    // The code-byte line of a cell: the digit's scan code, or nothing stored.
    static QString codeLineOf(const QString& description) {
        static const std::map<QString, QString> codes = {
            {"One", "16"}, {"Two", "1E"},   {"Three", "26"}, {"Four", "25"}, {"Five", "2E"},
            {"Six", "36"}, {"Seven", "3D"}, {"Eight", "3E"}, {"Nine", "46"}, {"Zero", "45"}};
        const auto code = codes.find(description);
        return code == codes.end() ? QString("$FF ").repeated(14)
                                   : "$" + code->second + " " + QString("$FF ").repeated(13);
    }
};

TEST_F(RecordCommands, CutCopyPasteAndDeleteThroughThePopUpMenu) {
    struct Case {
        const char* name;
        std::function<void(RecordCommands&)> act;
        std::map<std::pair<int, int>, QString> changed; // (button, mode) -> text, "" emptied
    };
    const std::vector<Case> cases = {
        {"copy one cell and paste it into a rectangle",
         [](RecordCommands& t) {
             t.selectCells(23, 1, 23, 1);
             t.copy();
             EXPECT_EQ(t.panel(2), "Saved");
             t.selectCells(1, 2, 2, 3);
             t.paste();
         },
         {{{1, 2}, "One"}, {{1, 3}, "One"}, {{2, 2}, "One"}, {{2, 3}, "One"}}},
        {"cut a cell and paste it elsewhere",
         [](RecordCommands& t) {
             t.selectCells(24, 1, 24, 1);
             t.cut();
             t.selectCells(5, 5, 5, 5);
             t.paste();
         },
         {{{24, 1}, ""}, {{5, 5}, "Two"}}},
        {"delete a rectangle",
         [](RecordCommands& t) {
             t.selectCells(16, 1, 13, 1);
             t.remove();
         },
         {{{13, 1}, ""}, {{14, 1}, ""}, {{15, 1}, ""}, {{16, 1}, ""}}},
        {"cut and copy need one cell, paste waits for them",
         [](RecordCommands& t) {
             t.selectCells(23, 1, 24, 1);
             t.cut();
             t.copy();
             t.paste();
             EXPECT_FALSE(t.window->RHMCCP[2]->isEnabled());
         },
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startWindow();
        messages.clear();
        insertDigits(0, 0);
        const QStringList before = saved("before");
        std::map<std::pair<int, int>, QString> expected = cells();

        c.act(*this);

        applyChanges(expected, c.changed);
        EXPECT_EQ(cells(), expected);
        EXPECT_EQ(panel(2), c.changed.empty() ? "Saved" : "Modified");
        if (c.changed.empty()) {
            continue;
        }
        const QStringList after = saved("after");
        ASSERT_EQ(after.size(), 286 + static_cast<int>(expected.size()));
        EXPECT_EQ(after.mid(286), descriptionLines(expected));
        // Every other record keeps its code bytes.
        for (int m = 1; m <= 5; ++m) {
            for (int r = 1; r <= 28; ++r) {
                if (c.changed.count({window->data().RowOfRecord(r), m}) == 0) {
                    EXPECT_EQ(codeLine(after, m, r), codeLine(before, m, r));
                }
            }
        }
        for (const auto& [cell, text] : c.changed) {
            const int record = window->data().RecordOfRow(cell.first);
            EXPECT_EQ(codeLine(after, cell.second, record), codeLineOf(text));
        }
    }
}

TEST_F(RecordCommands, ClipboardOutlivesTheFileAndANewFileSurvivesEveryOperation) {
    insertDigits(0, 0);
    selectCells(25, 1, 25, 1);
    copy();
    messages.queueAnswer(MsgAnswer::No); // "Save current file first?"
    window->mnuNew->trigger();
    EXPECT_TRUE(cells().empty());

    selectCells(7, 4, 7, 4);
    paste();
    EXPECT_EQ(cells(), (std::map<std::pair<int, int>, QString>{{{7, 4}, "Three"}}));
    const QStringList pasted = saved("pasted");
    EXPECT_EQ(pasted.mid(286), QStringList({"$04 $1C $05 Three"}));
    EXPECT_EQ(codeLine(pasted, 4, 28), codeLineOf("Three"));

    // Nothing programmed: every item runs, nothing breaks, and the file stays blank.
    window->mnuNew->trigger();
    selectCells(1, 1, 1, 1);
    copy();
    EXPECT_EQ(panel(2), "New file");
    cut();
    EXPECT_EQ(panel(2), "Modified");
    selectCells(28, 5, 1, 1);
    paste();
    remove();
    swap(pick(2, 1, 1, 1, 5));
    swap(pick(1, 1, 28, 1, 1));
    swap(pick(0, 3, 4, 2, 5));
    EXPECT_TRUE(cells().empty());
    EXPECT_EQ(messages.count(), 1u); // the first "Save current file first?"
    const QStringList blank = saved("blank");
    ASSERT_EQ(blank.size(), 286);
    for (int line = 2; line <= 141; ++line) {
        EXPECT_EQ(blank[line - 1], QString("$FF ").repeated(14));
    }
}

TEST_F(RecordCommands, SwapEachStyleRefusalAndWayOut) {
    struct Case {
        const char* name;
        std::function<void(FormSwap&)> answer;
        std::map<std::pair<int, int>, QString> changed; // (button, mode) -> text, "" emptied
        const char* refusal;
    };
    auto closeBox = [](FormSwap& d) { d.close(); };
    auto escape = [](FormSwap& d) { QTest::keyClick(&d, Qt::Key_Escape); };
    auto cancel = [](FormSwap& d) {
        QTest::mouseClick(d.OptionSwap[2], Qt::LeftButton);
        d.ModeCombo[3]->setCurrentIndex(4);
        QTest::mouseClick(d.Command1[1], Qt::LeftButton);
    };
    auto swapAtOnce = [](FormSwap& d) { QTest::mouseClick(d.Command1[0], Qt::LeftButton); };
    std::map<std::pair<int, int>, QString> modes1and4;
    for (const auto& [button, text] : Vertical) {
        modes1and4[{button, 1}] = "";
        modes1and4[{button, 4}] = text;
    }
    const std::vector<Case> cases = {
        {"one record", pick(0, 23, 2, 1, 3), {{{23, 1}, ""}, {{2, 3}, "One"}}, nullptr},
        {"rows", pick(1, 23, 13, 4, 4), {{{23, 1}, "Zero"}, {{13, 1}, "One"}}, nullptr},
        {"columns", pick(2, 9, 9, 1, 4), modes1and4, nullptr},
        {"same cell", swapAtOnce, {}, "Buttons are the same"},
        {"same row", pick(1, 5, 5, 1, 2), {}, "Buttons are identical"},
        {"same column", pick(2, 5, 6, 2, 2), {}, "Modes are identical"},
        {"cancel", cancel, {}, nullptr},
        {"close box", closeBox, {}, nullptr},
        {"escape", escape, {}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startWindow();
        messages.clear();
        insertDigits(0, 0);
        const QStringList before = saved("before");
        selectCells(23, 1, 23, 1);
        copy();
        const SwapRequest earlier = {2, 7, 8, 3, 4, 0};
        window->data().Swap = earlier;
        auto expected = cells();
        if (c.refusal != nullptr) {
            messages.queueAnswer(MsgAnswer::Ok);
        }

        swap(c.answer);

        applyChanges(expected, c.changed);
        EXPECT_EQ(cells(), expected);
        if (c.refusal != nullptr) {
            ASSERT_EQ(messages.count(), 1u);
            EXPECT_EQ(messages.last().title, c.refusal);
        } else {
            EXPECT_EQ(messages.count(), 0u);
        }
        if (c.changed.empty()) {
            EXPECT_EQ(panel(2), "Saved");
            EXPECT_EQ(window->data().Swap.SwapCancelled, c.refusal != nullptr ? 0 : 1);
            if (c.refusal == nullptr) {
                // A way out keeps the earlier request.
                SwapRequest kept = earlier;
                kept.SwapCancelled = 1;
                EXPECT_EQ(window->data().Swap, kept);
            }
            EXPECT_TRUE(window->RHMCCP[2]->isEnabled());
            continue;
        }
        EXPECT_EQ(panel(2), "Modified");
        // The one-record swap uses the clipboard and leaves nothing to paste.
        EXPECT_EQ(window->RHMCCP[2]->isEnabled(), window->data().Swap.SwapStyle != 0);
        const QStringList once = saved("once");
        EXPECT_EQ(once.mid(286), descriptionLines(expected));
        for (const auto& [cell, text] : c.changed) {
            EXPECT_EQ(codeLine(once, cell.second, window->data().RecordOfRow(cell.first)),
                      codeLineOf(text));
        }
        // The same swap again gives back the original file.
        swap(c.answer);
        EXPECT_EQ(saved("twice"), before);
    }
}

TEST_F(RecordCommands, DigitKeysVerticallyThenHorizontallyInAnotherMode) {
    insertDigits(0, 2);
    insertDigits(1, 2);
    EXPECT_EQ(panel(2), "Modified");
    EXPECT_TRUE(find<QWidget>("IMG_light_2")->isVisible());
    std::map<std::pair<int, int>, QString> expected;
    for (const auto& [button, text] : Vertical) {
        expected[{button, 3}] = text;
    }
    const int horizontal[6] = {22, 21, 20, 19, 18, 17};
    const char* names[6] = {"One", "Two", "Three", "Four", "Five", "Six"};
    for (int k = 0; k < 6; ++k) {
        expected[{horizontal[k], 3}] = names[k];
    }
    EXPECT_EQ(cells(), expected);
    // The picture shows the mode with its new descriptions.
    EXPECT_EQ(infoLabel(23)->text(), "One");
    EXPECT_EQ(infoLabel(17)->text(), "Six");

    const QStringList file = saved("digits");
    EXPECT_EQ(file.mid(286), descriptionLines(expected));
    for (int m = 1; m <= 5; ++m) {
        for (int r = 1; r <= 28; ++r) {
            const QString text = m == 3 ? expected[{window->data().RowOfRecord(r), 3}] : "";
            EXPECT_EQ(codeLine(file, m, r), codeLineOf(text)) << "mode " << m << " record " << r;
            EXPECT_EQ(file[140 + 28 * (m - 1) + r],
                      (text.isEmpty() ? "$00 " : "$01 ") + QString("$00 ").repeated(13));
        }
    }
    // Record 9 (button 23) holds one press in mode 3's count line.
    EXPECT_EQ(file[283].mid(32, 4), "$01 ");
    EXPECT_EQ(file[283].mid(0, 4), "$00 ");
}

TEST_F(RecordCommands, SwapDialogOpensFreshWithItsControlsAndRules) {
    auto check = [this](const std::function<void(FormSwap&)>& act) { swap(act); };
    check([](FormSwap& d) {
        EXPECT_EQ(d.windowTitle(), "Swap programming");
        EXPECT_EQ(d.Frame1->title(), "Select the swap style");
        const QStringList options = {"Swap single button programming",
                                     "Swap 2 buttons for all modes (swap rows)",
                                     "Swap modes (swap columns)"};
        const QStringList labels = {"Button from:", "Button to:", "Mode from:", "Mode to:"};
        const QStringList modes = {"Views-Out", "Views-In", "Wingman", "Radar/Target", "Weapons"};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(d.OptionSwap[i]->text(), options[i]);
        }
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(d.Label1[i]->text(), labels[static_cast<int>(i)]);
            EXPECT_FALSE(d.ModeCombo[i]->isEditable());
            EXPECT_EQ(d.ModeCombo[i]->currentIndex(), 0);
            EXPECT_EQ(d.ModeCombo[i]->count(), i < 2 ? 28 : 5);
        }
        EXPECT_EQ(d.ModeCombo[1]->itemText(9), "10");
        EXPECT_EQ(d.ModeCombo[0]->itemText(27), "28");
        for (int k = 0; k < 5; ++k) {
            EXPECT_EQ(d.ModeCombo[3]->itemText(k), modes[k]);
        }
        EXPECT_EQ(d.Command1[0]->text(), "Swap");
        EXPECT_EQ(d.Command1[1]->text(), "Cancel");
        EXPECT_TRUE(d.Command1[0]->isDefault());

        // Style by style, which pairs are usable; a label always follows its list.
        const bool usable[3][4] = {
            {true, true, true, true}, {true, true, false, false}, {false, false, true, true}};
        for (int style : {0, 1, 2, 0}) {
            QTest::mouseClick(d.OptionSwap[static_cast<std::size_t>(style)], Qt::LeftButton);
            for (std::size_t i = 0; i < 4; ++i) {
                EXPECT_EQ(d.ModeCombo[i]->isEnabled(), usable[style][i]) << style << " " << i;
                EXPECT_EQ(d.Label1[i]->isEnabled(), usable[style][i]);
            }
        }
        // Disabled lists are still read on "Swap".
        d.ModeCombo[2]->setCurrentIndex(1);
        d.ModeCombo[3]->setCurrentIndex(3);
        QTest::mouseClick(d.OptionSwap[1], Qt::LeftButton);
        d.ModeCombo[0]->setCurrentIndex(9);
        d.ModeCombo[1]->setCurrentIndex(2);
        QTest::mouseClick(d.Command1[0], Qt::LeftButton);
    });
    EXPECT_EQ(window->data().Swap, (SwapRequest{1, 10, 3, 2, 4, 0}));
    EXPECT_EQ(panel(2), "Modified");

    check([](FormSwap& d) {
        EXPECT_TRUE(d.OptionSwap[0]->isChecked());
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(d.ModeCombo[i]->currentIndex(), 0);
            EXPECT_TRUE(d.ModeCombo[i]->isEnabled());
        }
        d.close();
    });
    EXPECT_EQ(window->data().Swap, (SwapRequest{1, 10, 3, 2, 4, 1}));
}

TEST_F(RecordCommands, SelectionIsAlwaysARectangleOfDataCellsUnderFixedHeaders) {
    window->SSTab1->setCurrentIndex(0);
    // At start a data cell is current and selected: Cut works on it at once.
    EXPECT_EQ(grid()->selectedRectangle(), (CellRectangle{1, 1, 1, 1}));
    insertDigits(0, 0);
    selectCells(23, 1, 23, 1);
    cut();
    EXPECT_EQ(grid()->cellText(23, 1), "");
    EXPECT_EQ(window->data().ClipRecord.at(1)->Description, "One");

    // Cells grown by the sliders scroll under headers that stay in view.
    find<QSlider>("Slider1_0")->setValue(100);
    find<QSlider>("Slider1_1")->setValue(100);
    QHeaderView* modes = grid()->horizontalHeader();
    QHeaderView* buttons = grid()->verticalHeader();
    QCoreApplication::processEvents();
    const QPoint modesPlace = modes->mapTo(grid(), QPoint(0, 0));
    grid()->verticalScrollBar()->setValue(grid()->verticalScrollBar()->maximum());
    grid()->horizontalScrollBar()->setValue(grid()->horizontalScrollBar()->maximum());
    EXPECT_GT(grid()->rowAt(0), 5);
    EXPECT_TRUE(modes->isVisible());
    EXPECT_TRUE(buttons->isVisible());
    EXPECT_EQ(modes->mapTo(grid(), QPoint(0, 0)), modesPlace);
    EXPECT_EQ(grid()->model()->headerData(5, Qt::Horizontal).toString(), "Weapons");
    EXPECT_EQ(grid()->model()->headerData(28, Qt::Vertical).toString(), "28");
    EXPECT_GE(modes->sectionViewportPosition(5), 0);
    window->mnuRestoreTable->trigger();
    QCoreApplication::processEvents();
    grid()->verticalScrollBar()->setValue(0);
    grid()->horizontalScrollBar()->setValue(0);

    // Shift-clicks onto the headers and the corner, and a drag onto the header row.
    struct Case {
        const char* name;
        std::function<void()> act;
        CellRectangle expected;
    };
    auto headerPoint = [](QHeaderView* header, int section) {
        const int middle =
            header->sectionViewportPosition(section) + header->sectionSize(section) / 2;
        return header->orientation() == Qt::Horizontal ? QPoint(middle, header->height() / 2)
                                                       : QPoint(header->width() / 2, middle);
    };
    const std::vector<Case> cases = {
        {"shift-click a mode header",
         [&] {
             selectCells(3, 2, 3, 2);
             QTest::mouseClick(modes->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                               headerPoint(modes, 4));
         },
         {1, 28, 2, 4}},
        {"click a mode header",
         [&] { QTest::mouseClick(modes->viewport(), Qt::LeftButton, {}, headerPoint(modes, 5)); },
         {1, 28, 5, 5}},
        {"click a button number",
         [&] {
             QTest::mouseClick(buttons->viewport(), Qt::LeftButton, {}, headerPoint(buttons, 4));
         },
         {4, 4, 1, 5}},
        {"drag onto the header row",
         [&] {
             const QPoint from = cellCentre(4, 3);
             QTest::mousePress(grid()->viewport(), Qt::LeftButton, {}, from);
             // Up through the cells above and out over the mode names.
             for (const QPoint to : {cellCentre(1, 3), QPoint(from.x(), -5)}) {
                 QMouseEvent move(QEvent::MouseMove, QPointF(to),
                                  grid()->viewport()->mapToGlobal(QPointF(to)), Qt::NoButton,
                                  Qt::LeftButton, Qt::NoModifier);
                 QApplication::sendEvent(grid()->viewport(), &move);
             }
             QTest::mouseRelease(grid()->viewport(), Qt::LeftButton, {}, QPoint(from.x(), -5));
         },
         {1, 4, 3, 3}},
        {"headers asked for by the program",
         [&] { grid()->selectRectangle(0, 0, 2, 3); },
         {1, 2, 1, 3}},
        {"nothing selected",
         [&] {
             selectCells(6, 4, 6, 4);
             grid()->clearSelection();
         },
         {6, 6, 4, 4}},
    };
    // A right click on a header offers the menu for the cells already chosen.
    QTest::mouseClick(modes->viewport(), Qt::RightButton, {}, headerPoint(modes, 2));
    EXPECT_TRUE(window->mnuRHM->isVisible());
    window->mnuRHM->hide();
    EXPECT_EQ(grid()->selectedRectangle(), (CellRectangle{23, 23, 1, 1}));

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.act();
        const CellRectangle s = grid()->selectedRectangle();
        EXPECT_EQ(s, c.expected) << s.firstRow << "-" << s.lastRow << " x " << s.firstColumn << "-"
                                 << s.lastColumn;
        EXPECT_EQ(grid()->selectedRanges().size(), 1);
        EXPECT_GE(grid()->currentRow(), 1);
        EXPECT_GE(grid()->currentColumn(), 1);
    }
}

} // namespace
