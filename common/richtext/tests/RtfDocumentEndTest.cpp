#include "common/richtext/RichTextBox.h"
#include "common/richtext/tests/RtfTestSupport.h"

#include <QTemporaryDir>
#include <QTextBlock>
#include <gtest/gtest.h>

namespace {

struct LastMarkCase {
    const char* body;
    const char* loaded;   // read as a file
    const char* inserted; // inserted at the caret
};

// Fonts 0 Arial, 1 Symbol and 2 Wingdings, both of the symbol character set.
QByteArray withSymbolFonts(const QByteArray& body) {
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
           "{\\f1\\froman\\fcharset2 Symbol;}{\\f2\\fnil\\fcharset2 Wingdings;}"
           "{\\f3\\fnil\\fcharset2 Marlett;}}\r\n\\viewkind4\\uc1\\pard\\f0\\fs20 " +
           body + "}\r\n";
}

} // namespace

TEST(RtfDocumentEnd, LastParagraphMarkClosesTheDocumentButNotAnInsert) {
    const LastMarkCase cases[] = {
        {"Hello\\par ", "Hello", "Hello\n"},
        // An empty document as the control writes it.
        {"\\par\r\n", "", "\n"},
        {"", "", ""},
        {"a\\par\\par ", "a\n", "a\n\n"},
        {"a\\par b", "a\nb", "a\nb"},
        {"a\\par\r\n{\\b }\\fs40 ", "a", "a\n"},
        {"a\\par\\pard\\qc\\par ", "a\n", "a\n\n"},
        {"a\\sect ", "a", "a\n"},
    };
    for (const LastMarkCase& c : cases) {
        SCOPED_TRACE(c.body);
        EXPECT_EQ(textOf(richEdit(c.body)), QString::fromUtf8(c.loaded));
        EXPECT_EQ(insertedTextOf(richEdit(c.body)), QString::fromUtf8(c.inserted));
    }
}

TEST(RtfDocumentEnd, ClosedLastParagraphKeepsItsFormat) {
    EXPECT_EQ(summaryOf(richEdit("\\qc one\\par\\qr\\fs40 two\\par ")),
              QStringLiteral("center|[Arial 10]one\nright|[Arial 20]two"));
    // An empty last line keeps the size it was written with.
    const auto document = readRtf(richEdit("one\\par\\fs40\\par "));
    EXPECT_EQ(document->blockCount(), 2);
    EXPECT_EQ(document->lastBlock().charFormat().fontPointSize(), 20);
}

TEST(RtfDocumentEnd, VerticalTabIsText) {
    EXPECT_EQ(textOf(richEdit("a\x0b"
                              "b\\'0bc")),
              QStringLiteral("a\vb\vc"));
    auto document = newDocument();
    QTextCursor(document.get()).insertText(QStringLiteral("x\vy"));
    EXPECT_EQ(textOf(Rtf::write(*document)), QStringLiteral("x\vy"));
}

TEST(RtfDocumentEnd, SymbolFontsReadAsTheirPictures) {
    struct Case {
        const char* body;
        const char16_t* text;
    };
    const Case cases[] = {
        {"{\\f1\\'b7}", u"\u2022"},
        {"{\\f1 abp\\'a5}", u"\u03b1\u03b2\u03c0\u221e"},
        {"{\\f1\\u-3913?}", u"\u2022"},
        {"{\\f2\\'a7\\'fc}", u"\u25aa\u2713"},
        // Pictures with no character keep the place Windows gives symbol fonts.
        {"{\\f2\\'41}{\\f3 a}", u"\uf041\uf061"},
        // The same byte in an ordinary font is a Windows-1252 letter.
        {"\\'b7", u"\u00b7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        const QByteArray rtf = withSymbolFonts(c.body);
        EXPECT_EQ(textOf(rtf), QString::fromUtf16(c.text));
        // What was read is written as characters and reads back unchanged.
        EXPECT_EQ(textOf(Rtf::write(*readRtf(rtf))), QString::fromUtf16(c.text));
    }
    EXPECT_EQ(summaryOf(withSymbolFonts("{\\f1 a}")), QStringLiteral("left|[Symbol 10]\u03b1"));
}

// Files the box saves load back with every line, the empty ones at the end included.
TEST(RtfDocumentEnd, BoxKeepsTrailingEmptyLinesThroughSaveAndLoad) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.rtf"));
    for (const char* text : {"", "one", "one\r\n", "one\r\n\r\n", "\r\n", "a\r\nb"}) {
        SCOPED_TRACE(text);
        RichTextBox saved;
        saved.setText(QString::fromLatin1(text));
        ASSERT_TRUE(saved.SaveFile(path));
        RichTextBox loaded;
        loaded.setText(QStringLiteral("old"));
        ASSERT_TRUE(loaded.LoadFile(path));
        EXPECT_EQ(loaded.Text(), QString::fromLatin1(text));
    }
}
