// Text pasted into the one-line fields of a game file shows as the file will hold it.
#include "programmer/window/tests/MumFixture.h"

#include "programmer/window/FormGameName.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>

namespace {

struct PasteCase {
    const char* pasted;
    const char* entered;
    int cursor;
};

const PasteCase kPastes[] = {
    {"a\r\nb", "a b", 3},  {"a\nb\rc", "a b c", 5}, {"line\u2029next", "line next", 9},
    {"\r\n\r\n", "  ", 2}, {"plain", "plain", 5},   {"tail\n", "tail ", 5},
    {"Ил-2", "?\?-2", 4},  {"Жук", "???", 3},       {"a\U0001F600b", "a?b", 3},
    {"é €", "é €", 3},
};

void expectPastesAsBlanks(QLineEdit* edit) {
    for (const PasteCase& c : kPastes) {
        SCOPED_TRACE(c.pasted);
        edit->clear();
        QApplication::clipboard()->setText(QString::fromUtf8(c.pasted));
        edit->paste();
        EXPECT_EQ(edit->text().toStdString(), c.entered);
        EXPECT_EQ(edit->cursorPosition(), c.cursor);
        // Text set by the program is kept to one line as well.
        edit->setText(QString::fromUtf8(c.pasted));
        EXPECT_EQ(edit->text().toStdString(), c.entered);
    }
}

TEST(LineBreakEntry, GameNameTakesPastedLinesAsOne) {
    FormGameName dialog(QStringLiteral("Unknown"));
    expectPastesAsBlanks(dialog.Text1);
    dialog.Text1->setText(QStringLiteral("Falcon\r\n4"));
    dialog.Command1[0]->click();
    EXPECT_EQ(dialog.gameName(), "Falcon 4");
}

class LineBreakDescription : public MumFixture {};

TEST_F(LineBreakDescription, DescriptionTakesPastedLinesAsOne) {
    clickButtonNumber(3);
    auto* description = find<QLineEdit>(QStringLiteral("Text1"));
    expectPastesAsBlanks(description);
    // A character beyond the basic plane is one of the 16, and the caret stays after it.
    description->setText("ab");
    description->setCursorPosition(1);
    QApplication::clipboard()->setText(QString::fromUtf8("\U0001F600").repeated(20));
    description->paste();
    EXPECT_EQ(description->text(), "a" + QString(14, u'?') + "b");
    EXPECT_EQ(description->cursorPosition(), 15);
}

// What the box converts or cuts comes in as one ordinary edit that undo takes back, and a
// letter that finds the box full changes nothing but still counts as typing.
TEST_F(LineBreakDescription, UndoOutlastsConvertedEntryAndAFullBoxIgnoresALetter) {
    clickButtonNumber(3);
    auto* description = find<QLineEdit>("Text1");
    const auto paste = [description](const char* text) {
        QApplication::clipboard()->setText(QString::fromUtf8(text));
        QTest::keyClick(description, Qt::Key_V, Qt::ControlModifier);
    };
    QTest::keyClicks(description, "xy");
    QTest::sendKeyEvent(QTest::Click, description, Qt::Key(u'Ж'), QString(u'Ж'), Qt::NoModifier);
    EXPECT_EQ(description->text(), "xy?");
    description->undo();
    EXPECT_EQ(description->text(), "");

    // A paste is an undo step of its own, on either side, as an unconverted one is.
    QTest::keyClicks(description, "xy");
    paste("Ж\r\n\U0001F600");
    EXPECT_EQ(description->text(), "xy? ?");
    QTest::keyClicks(description, "z");
    description->undo();
    EXPECT_EQ(description->text(), "xy? ?");
    description->undo();
    EXPECT_EQ(description->text(), "xy");

    paste("ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(description->text(), "xyABCDEFGHIJKLMN");
    window->data().ProgrammingInProgress = 0;
    window->data().TempButton(1).Description.clear();
    QSignalSpy edited(description, &QLineEdit::textEdited);
    QSignalSpy changed(description, &QLineEdit::textChanged);
    QTest::keyClick(description, Qt::Key_Q);
    EXPECT_EQ(description->text(), "xyABCDEFGHIJKLMN");
    EXPECT_TRUE(description->isModified());
    EXPECT_EQ(edited.count() + changed.count(), 0);
    EXPECT_EQ(window->data().ProgrammingInProgress, 1);
    EXPECT_EQ(window->data().TempButton(1).Description, "xyABCDEFGHIJKLMN");
    description->undo();
    EXPECT_EQ(description->text(), "xy");
}

} // namespace
