#include "card_editor/card/LayoutFile.h"
#include "card_editor/window/FrmTextBoxSize.h"
#include "card_editor/window/tests/CardUserFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

class TextBoxSizeTest : public CardUserFixture {
protected:
    enum class Close { Enter, EnterOnApply, Esc, Cancel, CloseBox };

    // Opens "Edit textbo&x size" on a box, types the fields that are given, and closes the
    // dialog as a user would.
    void editBox(int index, const std::array<std::optional<QString>, 4>& typed, Close how) {
        window->CurrentBox = index;
        inNextDialog<FrmTextBoxSize>([&typed, how, this](FrmTextBoxSize& d) {
            shownRestore.clear();
            for (QPushButton* b : d.Command2) {
                shownRestore << b->text();
            }
            focusAtStart = d.focusWidget() == d.Text1[0];
            // Tab walks the fields in order, each one's text selected on arrival.
            for (int i = 0; i < 4; ++i) {
                QApplication::processEvents();
                EXPECT_EQ(d.focusWidget(), d.Text1[i]);
                EXPECT_EQ(d.Text1[i]->selectedText(), d.Text1[i]->text());
                if (typed[i]) {
                    QTest::keyClick(d.Text1[i], Qt::Key_A, Qt::ControlModifier);
                    QTest::keyClicks(d.Text1[i], *typed[i]);
                }
                QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
            }
            EXPECT_EQ(d.focusWidget(), d.Command1[0]);
            switch (how) {
            case Close::Enter:
                QTest::keyClick(d.Text1[3], Qt::Key_Return);
                break;
            case Close::EnterOnApply:
                QTest::keyClick(d.focusWidget(), Qt::Key_Return);
                break;
            case Close::Esc:
                QTest::keyClick(d.Text1[1], Qt::Key_Escape);
                break;
            case Close::Cancel:
                QTest::mouseClick(d.Command1[1], Qt::LeftButton);
                break;
            case Close::CloseBox:
                d.close();
                break;
            }
        });
        action("mnuEditTextBoxSize")->trigger();
    }

    std::array<int, 4> last() {
        const CardDocument& doc = window->document();
        return {doc.TBLastTop, doc.TBLastLeft, doc.TBLastWidth, doc.TBLastHeight};
    }

    QStringList shownRestore;
    bool focusAtStart = false;
};

TEST_F(TextBoxSizeTest, TypedValuesApplyOnlyOnEnter) {
    struct Case {
        const char* what;
        std::array<std::optional<QString>, 4> typed; // Top, Left, Width, Height
        Close how;
        QRect expected;
    };
    const QRect start(28, 576, 69, 29); // box 1 as the built-in layout has it
    const Case cases[] = {
        {"good", {"100", "50", "60", "30"}, Close::Enter, QRect(50, 100, 60, 30)},
        {"clamped", {"-5", "-1", "12", "0"}, Close::Enter, QRect(10, 10, 40, 20)},
        {"smallest", {"0", "0", "40", "20"}, Close::Enter, QRect(0, 0, 40, 20)},
        {"leading numbers", {"12.7", "abc", "15px", {}}, Close::Enter, QRect(0, 12, 40, 29)},
        {"off the card", {"5000", "4000", {}, {}}, Close::EnterOnApply, QRect(4000, 5000, 69, 29)},
        {"Esc", {"1", "2", "300", "300"}, Close::Esc, start},
        {"Cancel", {"1", "2", "300", "300"}, Close::Cancel, start},
        {"close box", {"1", "2", "300", "300"}, Close::CloseBox, start},
    };
    startShown();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        box(1).setGeometry(start);
        editBox(1, c.typed, c.how);
        EXPECT_TRUE(focusAtStart);
        EXPECT_EQ(box(1).geometry(), c.expected);
    }
    EXPECT_EQ(messageBox.count(), 0u);
}

TEST_F(TextBoxSizeTest, RestoreButtonsOfferTheLastAppliedValues) {
    startShown();
    EXPECT_EQ(last(), (std::array<int, 4>{-1, -1, -1, -1}));
    // The first opening offers the box's own values; Esc applies nothing.
    editBox(0, {}, Close::Esc);
    EXPECT_EQ(shownRestore, QStringList({"576", "28", "69", "29"}));
    EXPECT_EQ(last(), (std::array<int, 4>{576, 28, 69, 29}));

    editBox(0, {"300", "200", "100", "50"}, Close::Enter);
    editBox(5, {}, Close::Cancel);
    EXPECT_EQ(shownRestore, QStringList({"300", "200", "100", "50"}));

    // A restore button puts its value back into its field.
    window->CurrentBox = 5;
    inNextDialog<FrmTextBoxSize>([](FrmTextBoxSize& d) {
        EXPECT_EQ(d.windowTitle(), "Textbox size");
        EXPECT_TRUE(d.windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_EQ(d.Label1[2]->text(), "Width:");
        QTest::mouseClick(d.Command2[2], Qt::LeftButton);
        EXPECT_EQ(d.Text1[2]->text(), "100");
        EXPECT_EQ(d.focusWidget(), d.Text1[2]);
        QTest::keyClick(d.Text1[2], Qt::Key_Return);
    });
    action("mnuEditTextBoxSize")->trigger();
    EXPECT_EQ(box(5).width(), 100);
    EXPECT_EQ(last(), (std::array<int, 4>{532, 124, 100, 37}));
}

TEST_F(TextBoxSizeTest, ValuesTheLayoutFilesCannotHoldAreRefused) {
    startShown();
    editBox(2, {"7", "8", "90", "30"}, Close::Enter);
    const QRect before = box(2).geometry();
    const std::array<int, 4> lastBefore = last();
    const char* const refused[] = {"1e400", "32768", "1e39", "99999999999999999999"};
    for (const char* value : refused) {
        SCOPED_TRACE(value);
        messageBox.queueAnswer(MsgAnswer::Ok);
        editBox(2, {std::nullopt, std::nullopt, QString(value), std::nullopt}, Close::Enter);
        ASSERT_EQ(messageBox.count(), 1u);
        EXPECT_EQ(messageBox.last().title, "Ooops!");
        EXPECT_EQ(messageBox.last().style, MsgStyle::Exclamation);
        EXPECT_EQ(messageBox.last().text, "One of the values you entered is invalid, and so I'll "
                                          "leave the textbox as it is.");
        EXPECT_EQ(box(2).geometry(), before);
        EXPECT_EQ(last(), lastBefore);
        messageBox.clear();
    }

    // The largest value the files hold is kept, and every box reads back from "Default.txt".
    editBox(2, {"32767", {}, "32767", {}}, Close::Enter);
    action("mnuSaveTBposnsAsDefault")->trigger();
    const LayoutFile::Read read =
        LayoutFile::read(*FileSystem::readFile(programFile("Default.txt")));
    for (int i = 0; i < 35; ++i) {
        ASSERT_TRUE(read.boxes[i].has_value()) << i;
    }
    EXPECT_EQ(*read.boxes[2], (BoxRect{8, 32767, 32767, 30}));
}

} // namespace
