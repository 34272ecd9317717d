// Text pasted into the one-line fields of a game file shows as the file will hold it.
#include "programmer/window/tests/MumFixture.h"

#include "programmer/window/FormGameName.h"

#include <QApplication>
#include <QClipboard>

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

} // namespace
