#include "common/richtext/RichTextBox.h"

#include <QElapsedTimer>
#include <QTextBlock>
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

// Three paragraphs, the middle one empty: "ab" CR LF CR LF "cde".
constexpr auto kThreeLines = "ab\r\n\r\ncde";

TEST(RichTextBoxPositions, CountEveryParagraphBreakAsCrLf) {
    RichTextBox box;
    box.setText(QString::fromLatin1(kThreeLines));
    EXPECT_EQ(box.Text(), QString::fromLatin1(kThreeLines));
    EXPECT_EQ(box.TextLength(), 9);
    EXPECT_EQ(box.document()->blockCount(), 3);

    box.setSelStart(6);
    box.setSelLength(3);
    EXPECT_EQ(box.SelText(), "cde");
    EXPECT_EQ(box.SelStart(), 6);
    EXPECT_EQ(box.SelLength(), 3);

    box.setSelStart(1);
    box.setSelLength(5);
    EXPECT_EQ(box.SelText(), "b\r\n\r\n");
    EXPECT_EQ(box.SelLength(), 5);

    // Lone LF and CR break lines too, and read back as CR LF.
    box.setText("x\ny\rz");
    EXPECT_EQ(box.Text(), "x\r\ny\r\nz");
}

TEST(RichTextBoxPositions, IndexInsideABreakOrPastTheEndIsClamped) {
    RichTextBox box;
    box.setText("ab\r\ncd");
    box.setSelStart(3); // between CR and LF
    EXPECT_EQ(box.SelStart(), 2);
    box.setSelStart(100);
    EXPECT_EQ(box.SelStart(), 6);
    box.setSelStart(0);
    box.setSelLength(100);
    EXPECT_EQ(box.SelLength(), 6);
    box.setSelStart(-1); // refused
    EXPECT_EQ(box.SelStart(), 0);
}

TEST(RichTextBoxPositions, ForcedLineBreaksCountAsCrLfToo) {
    RichTextBox box;
    QTextCursor cursor(box.document());
    cursor.insertText(QString("ab") + QChar(0x2028) + "cd");
    EXPECT_EQ(box.Text(), "ab\r\ncd");
    box.setSelStart(4);
    box.setSelLength(2);
    EXPECT_EQ(box.SelText(), "cd");
}

TEST(RichTextBoxEditing, SelTextReplacesDeletesAndLeavesTheCaretAfter) {
    RichTextBox box;
    box.setText("hello world");
    box.setSelStart(6);
    box.setSelLength(5);
    box.setSelText("there\r\nnow");
    EXPECT_EQ(box.Text(), "hello there\r\nnow");
    EXPECT_EQ(box.SelStart(), 16);
    EXPECT_EQ(box.SelLength(), 0);

    box.setSelStart(0);
    box.setSelLength(6);
    box.setSelText("");
    EXPECT_EQ(box.Text(), "there\r\nnow");

    box.setText("");
    EXPECT_EQ(box.Text(), "");
    EXPECT_EQ(box.TextLength(), 0);
}

TEST(RichTextBoxEditing, UndoTakesBackTheLastEdit) {
    RichTextBox box;
    box.setText("one");
    box.setSelStart(3);
    box.setSelText(" two");
    box.Undo();
    EXPECT_EQ(box.Text(), "one");
}

// How the card code fills a box: format an empty caret, then insert.
TEST(RichTextBoxFormatting, FormatSetAtAnEmptyCaretAppliesToTheTextInsertedNext) {
    RichTextBox box;
    box.setText("");
    box.setSelAlignment(2);
    box.setSelStart(0);
    box.setSelFontName(QString("Courier New"));
    box.setSelFontSize(14);
    box.setSelBold(true);
    box.setSelItalic(true);
    box.setSelUnderline(true);
    box.setSelColor(0xFF0000u); // blue
    box.setText("Title");

    box.setSelStart(0);
    box.setSelLength(5);
    EXPECT_EQ(box.SelFontSize(), 14.0);
    EXPECT_EQ(box.SelBold(), true);
    EXPECT_EQ(box.SelItalic(), true);
    EXPECT_EQ(box.SelUnderline(), true);
    EXPECT_EQ(box.SelStrikeThru(), false);
    EXPECT_EQ(box.SelColor(), 0xFF0000u);
    EXPECT_EQ(box.SelAlignment(), 2);
    EXPECT_TRUE(box.SelFontName().has_value());
    const QTextCharFormat format = box.textCursor().charFormat();
    EXPECT_EQ(format.fontFamilies().toStringList(), QStringList{"Courier New"});
}

TEST(RichTextBoxFormatting, AppendedLinesTakeTheirOwnStyleAndTheBreakTheLineBefore) {
    RichTextBox box;
    auto append = [&box](const QString& caption, std::uint32_t colour) {
        if (!box.Text().isEmpty()) {
            box.setSelStart(box.TextLength());
            box.setSelText("\r\n");
        }
        box.setSelStart(box.TextLength());
        box.setSelLength(0);
        box.setSelAlignment(2);
        box.setSelColor(colour);
        box.setSelText(caption);
    };
    box.setText("");
    append("Gear", 0x0000FFu);
    append("Flaps", 0x008000u);
    EXPECT_EQ(box.Text(), "Gear\r\nFlaps");

    box.setSelStart(0);
    box.setSelLength(4);
    EXPECT_EQ(box.SelColor(), 0x0000FFu);
    box.setSelStart(6);
    box.setSelLength(5);
    EXPECT_EQ(box.SelColor(), 0x008000u);
    EXPECT_EQ(box.SelAlignment(), 2);
    box.setSelStart(0);
    box.setSelLength(11);
    EXPECT_EQ(box.SelColor(), std::nullopt);
    EXPECT_EQ(box.SelAlignment(), 2);
}

TEST(RichTextBoxFormatting, MovingTheCaretDropsTheInsertionFormat) {
    RichTextBox box;
    box.setText("plain");
    box.setSelStart(5);
    box.setSelBold(true);
    box.setSelStart(5);
    box.setSelText("!");
    box.setSelStart(5);
    box.setSelLength(1);
    EXPECT_EQ(box.SelBold(), false);
}

TEST(RichTextBoxFormatting, EmptyingTheBoxKeepsTheFormatForTheNextText) {
    RichTextBox box;
    box.setSelColor(0x808080u);
    box.setText("grey");
    box.setText("");
    box.setText("still grey");
    box.setSelStart(0);
    box.setSelLength(3);
    EXPECT_EQ(box.SelColor(), 0x808080u);
}

TEST(RichTextBoxFormatting, MixedSelectionReadsAsNoValueAndNoValueChangesNothing) {
    RichTextBox box;
    box.setText("one two");
    box.setSelStart(0);
    box.setSelLength(3);
    box.setSelBold(true);
    box.setSelFontSize(20);
    box.setSelStart(0);
    box.setSelLength(7);
    EXPECT_EQ(box.SelBold(), std::nullopt);
    EXPECT_EQ(box.SelFontSize(), std::nullopt);
    EXPECT_EQ(box.SelItalic(), false);

    box.setSelBold(box.SelBold());
    box.setSelFontSize(box.SelFontSize());
    box.setSelFontSize(-3.0);
    box.setSelFontName(QString());
    box.setSelAlignment(7);
    box.setSelStart(0);
    box.setSelLength(3);
    EXPECT_EQ(box.SelBold(), true);
    EXPECT_EQ(box.SelFontSize(), 20.0);
    box.setSelStart(4);
    box.setSelLength(3);
    EXPECT_EQ(box.SelBold(), false);
    EXPECT_EQ(box.SelAlignment(), 0);
}

TEST(RichTextBoxFormatting, AlignmentCodesAndMixedParagraphs) {
    RichTextBox box;
    box.setText("a\r\nb\r\nc");
    const std::pair<int, Qt::Alignment> codes[] = {
        {0, Qt::AlignLeft}, {1, Qt::AlignRight}, {2, Qt::AlignHCenter}};
    for (const auto& [code, alignment] : codes) {
        box.setSelStart(3);
        box.setSelAlignment(code);
        EXPECT_EQ(box.SelAlignment(), code);
        EXPECT_TRUE(box.document()->findBlockByNumber(1).blockFormat().alignment() & alignment);
    }
    box.setSelStart(0);
    box.setSelLength(8);
    EXPECT_EQ(box.SelAlignment(), std::nullopt);
    box.setSelAlignment(1);
    EXPECT_EQ(box.SelAlignment(), 1);
}

TEST(RichTextBoxFormatting, ColoursAreBlueGreenRed) {
    RichTextBox box;
    box.setText("x");
    box.setSelStart(0);
    box.setSelLength(1);
    box.setSelColor(0x00336699u);
    const QColor colour = box.textCursor().charFormat().foreground().color();
    EXPECT_EQ(colour.red(), 0x99);
    EXPECT_EQ(colour.green(), 0x66);
    EXPECT_EQ(colour.blue(), 0x33);
    EXPECT_EQ(box.SelColor(), 0x00336699u);
}

// A card holds 35 boxes that are all rebuilt line by line whenever a view option changes.
TEST(RichTextBoxSpeed, FillingACardOfBoxesStaysQuick) {
    QWidget card;
    std::vector<std::unique_ptr<RichTextBox>> boxes;
    for (int i = 0; i < 35; ++i) {
        boxes.push_back(std::make_unique<RichTextBox>(&card));
    }
    QElapsedTimer timer;
    timer.start();
    for (int round = 0; round < 4; ++round) {
        for (auto& box : boxes) {
            box->setText("");
            for (int mode = 0; mode < 5; ++mode) {
                if (!box->Text().isEmpty()) {
                    box->setSelStart(box->TextLength());
                    box->setSelText("\r\n");
                }
                box->setSelStart(box->TextLength());
                box->setSelLength(0);
                box->setSelAlignment(2);
                box->setSelFontName(QString("Arial"));
                box->setSelFontSize(8);
                box->setSelBold(mode == 1);
                box->setSelItalic(false);
                box->setSelUnderline(false);
                box->setSelColor(0x808080u * static_cast<unsigned>(mode));
                box->setSelText(QStringLiteral("Caption of mode %1").arg(mode));
            }
        }
    }
    const qint64 elapsed = timer.elapsed();
    std::printf("4 rebuilds of 35 boxes: %lld ms\n", static_cast<long long>(elapsed));
    EXPECT_LT(elapsed, 2000);
    EXPECT_EQ(boxes.back()->Text().count("\r\n"), 4);
}

} // namespace
