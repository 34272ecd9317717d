#include "common/richtext/tests/RtfTestSupport.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <gtest/gtest.h>

namespace {

QTextCharFormat charFormat(const QString& family, double points) {
    QTextCharFormat format;
    format.setFontFamilies({family});
    format.setFontPointSize(points);
    return format;
}

void appendParagraph(QTextCursor& cursor, Qt::Alignment align) {
    QTextBlockFormat block;
    block.setAlignment(align);
    cursor.insertBlock(block);
}

// Two paragraphs: "Hi bold red" centred in Arial 10, then "x" right-aligned in Times 8.25.
std::unique_ptr<QTextDocument> sample() {
    auto document = newDocument();
    QTextCursor cursor(document.get());
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.setBlockFormat(centred);
    QTextCharFormat format = charFormat(QStringLiteral("Arial"), 10);
    cursor.insertText(QStringLiteral("Hi "), format);
    format.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("bold "), format);
    format.setFontWeight(QFont::Normal);
    format.setForeground(QColor(255, 0, 0));
    cursor.insertText(QStringLiteral("red"), format);
    appendParagraph(cursor, Qt::AlignRight);
    cursor.insertText(QStringLiteral("x"), charFormat(QStringLiteral("Times"), 8.25));
    return document;
}

int countOf(const QByteArray& haystack, const QByteArray& needle) {
    return static_cast<int>(haystack.count(needle));
}

} // namespace

TEST(RtfWriter, WritesTheRichEditStyle) {
    const auto document = sample();
    EXPECT_EQ(Rtf::write(*document),
              QByteArray("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}"
                         "{\\f1\\fnil\\fcharset0 Times;}}\r\n{\\colortbl ;\\red255\\green0\\blue0;}"
                         "\r\n\\uc1\\pard\\qc\\f0\\fs20 Hi \\b bold \\b0\\cf1 red\\par\r\n"
                         "\\pard\\qr\\f1\\fs17\\cf0 x\\par\r\n}"));
}

TEST(RtfWriter, WritesOneParPerParagraphOfTheRange) {
    const auto document = sample();
    // "Hi bold red" is 11 characters; the paragraph break is at 11, "x" at 12.
    // A file closes its last paragraph too; a part only where it holds the paragraph's end.
    EXPECT_EQ(countOf(Rtf::write(*document), "\\par\r\n"), 2);
    const QByteArray head = Rtf::write(*document, 3, 11);
    EXPECT_FALSE(head.contains("\\par\r\n"));
    EXPECT_EQ(textOf(head), QStringLiteral("bold red"));
    const QByteArray withBreak = Rtf::write(*document, 3, 12);
    EXPECT_TRUE(withBreak.contains("red\\par\r\n"));
    EXPECT_EQ(insertedTextOf(withBreak), QStringLiteral("bold red\n"));
    EXPECT_EQ(textOf(Rtf::write(*document, 11, -1)), QStringLiteral("\nx"));
    EXPECT_EQ(textOf(Rtf::write(*document, 12, 13)), QStringLiteral("x"));
    // Ranges out of bounds are clamped; an empty range is still a valid document.
    EXPECT_EQ(textOf(Rtf::write(*document, -5, 999)), QStringLiteral("Hi bold red\nx"));
    const QByteArray empty = Rtf::write(*document, 5, 5);
    EXPECT_TRUE(Rtf::isRtf(empty));
    EXPECT_EQ(textOf(empty), QString());
    EXPECT_EQ(textOf(Rtf::write(*newDocument())), QString());
}

TEST(RtfWriter, EscapesAndEncodesCharacters) {
    auto document = newDocument();
    QTextCursor cursor(document.get());
    cursor.insertText(QStringLiteral("a\\b{c}d\u00e9\u20ac\u0416\ufffd\U0001F600?\tt\u2028l 1"),
                      charFormat(QStringLiteral("F"), 12));
    const QByteArray rtf = Rtf::write(*document);
    EXPECT_TRUE(rtf.contains("a\\\\b\\{c\\}d\\'e9\\'80\\u1046?\\u-3?\\u-10179?\\u-8704??\\tab t"
                             "\\line l 1\\par\r\n}"))
        << rtf.constData();
    // Font names with RTF's own characters survive.
    cursor.insertText(QStringLiteral("z"), charFormat(QStringLiteral("A;B{\u00e9\u0416}"), 12));
    const QByteArray named = Rtf::write(*document);
    EXPECT_TRUE(named.contains("\\fcharset0 A\\'3bB\\{\\'e9\\u1046?\\};")) << named.constData();
    EXPECT_EQ(summaryOf(named), Rtf::summary(*document));
}

TEST(RtfWriter, WritesFormattingThatOtherReadersApply) {
    auto document = newDocument();
    QTextCursor cursor(document.get());
    QTextCharFormat format = charFormat(QStringLiteral("F"), 14);
    format.setFontItalic(true);
    format.setFontUnderline(true);
    format.setFontStrikeOut(true);
    format.setForeground(QColor(0, 128, 255));
    cursor.insertText(QStringLiteral("all"), format);
    appendParagraph(cursor, Qt::AlignJustify);
    cursor.insertText(QStringLiteral("plain"), charFormat(QStringLiteral("F"), 14));
    const QByteArray rtf = Rtf::write(*document);
    EXPECT_TRUE(rtf.contains("\\red0\\green128\\blue255;"));
    EXPECT_TRUE(rtf.contains("\\f0\\fs28\\cf1\\i\\ul\\strike all\\par")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("\\pard\\qj\\i0\\ulnone\\strike0\\cf0 plain")) << rtf.constData();
}

TEST(RtfWriter, ReadsBackToTheSameDocument) {
    const auto document = sample();
    QTextCursor cursor(document.get());
    cursor.movePosition(QTextCursor::End);
    appendParagraph(cursor, Qt::AlignLeft);
    appendParagraph(cursor, Qt::AlignJustify);
    QTextCharFormat format = charFormat(QStringLiteral("Courier New"), 30);
    format.setFontUnderline(true);
    format.setFontItalic(true);
    format.setForeground(QColor(1, 2, 3));
    cursor.insertText(QStringLiteral("{\\}\t\u2028 \u00a0\u0416 \U0001F600 ?"), format);
    // Unformatted text takes the document's default font.
    cursor.insertText(QStringLiteral(" default"), QTextCharFormat());
    // An empty last paragraph keeps its alignment too.
    appendParagraph(cursor, Qt::AlignRight);
    const QString expected = Rtf::summary(*document);
    const QByteArray rtf = Rtf::write(*document);
    EXPECT_EQ(summaryOf(rtf), expected);
    // And again: writing what was read gives the same bytes.
    EXPECT_EQ(Rtf::write(*readRtf(rtf)), rtf);
}
