#include "common/richtext/tests/RtfTestSupport.h"

#include <QElapsedTimer>
#include <QTextBlock>
#include <gtest/gtest.h>

TEST(RtfReader, ReadsRichEditCharacterFormatting) {
    const QByteArray rtf =
        richEdit("a \\b b\\b0  \\i i\\i0  \\ul u\\ulnone  \\ul0 \\strike s\\strike0  \\cf1 red"
                 "\\cf2 blue\\cf0  \\fs40 big\\plain  plain");
    EXPECT_EQ(summaryOf(rtf), QStringLiteral("left|[Arial 10]a [Arial 10 b]b[Arial 10] [Arial 10 "
                                             "i]i[Arial 10] [Arial 10 u]u[Arial 10] [Arial 10 "
                                             "s]s[Arial 10] [Arial 10 #ff0000]red[Arial 10 "
                                             "#0000ff]blue[Arial 10] [Arial 20]big[Arial 12] "
                                             "plain"));
}

TEST(RtfReader, GroupsScopeCharacterFormatting) {
    EXPECT_EQ(
        summaryOf(richEdit("x{\\b y{\\i z}w}v")),
        QStringLiteral("left|[Arial 10]x[Arial 10 b]y[Arial 10 b i]z[Arial 10 b]w[Arial 10]v"));
    // Underline variants and toggles with a parameter.
    EXPECT_EQ(summaryOf(richEdit("\\uldb a\\ul0 b\\b1 c\\b0 d")),
              QStringLiteral("left|[Arial 10 u]a[Arial 10]b[Arial 10 b]c[Arial 10]d"));
}

TEST(RtfReader, ReadsParagraphsAlignmentAndBreaks) {
    const QByteArray rtf = richEdit("\\qc one\\par two\\line three\\tab four\\par\r\n"
                                    "\\pard five\\par\\qr six\\par\\qj seven");
    EXPECT_EQ(summaryOf(rtf), QStringLiteral("center|[Arial 10]one\ncenter|[Arial 10]two\u2028three"
                                             "\tfour\nleft|[Arial 10]five\nright|[Arial "
                                             "10]six\njustify|[Arial 10]seven"));
    // A backslash before a line end is a paragraph break too; bare line ends are not text.
    EXPECT_EQ(textOf(richEdit("a\\\nb\r\nc")), QStringLiteral("a\nbc"));
}

TEST(RtfReader, ColourTableWithAndWithoutLeadingSemicolon) {
    // Without the leading ";" colour 0 is a real colour, and \cf0 uses it.
    const QByteArray black = "{\\rtf1{\\colortbl\\red0\\green0\\blue0;\\red0\\green128\\blue0;}"
                             "{\\fonttbl{\\f0 F;}}\\cf0 a\\cf1 b\\cf7 c}";
    EXPECT_EQ(summaryOf(black), QStringLiteral("left|[F 12 #000000]a[F 12 #008000]b[F 12]c"));
    // The last entry may lack its ";".
    EXPECT_EQ(summaryOf("{\\rtf1{\\fonttbl{\\f0 F;}}{\\colortbl;\\red1\\green2\\blue3}\\cf1 a}"),
              QStringLiteral("left|[F 12 #010203]a"));
}

TEST(RtfReader, FontTableVariants) {
    // Old style without a group per font, nested alternatives, a missing font and \deff.
    const QByteArray rtf = "{\\rtf1\\deff1{\\fonttbl\\f0\\froman Tms Rmn;\\f1\\fswiss "
                           "{\\*\\falt Alt}Helv;}{\\fonttbl{\\f2{\\*\\panose 00}Courier New}}"
                           "a\\f0 b\\f2 c\\f9 d\\plain e}";
    EXPECT_EQ(summaryOf(rtf), QStringLiteral("left|[Helv 12]a[Tms Rmn 12]b[Courier New 12]c"
                                             "[Helv 12]de"));
}

TEST(RtfReader, DecodesBytesByCharsetAndCodepage) {
    for (const char* codec : {"windows-1251", "windows-1250", "windows-1253", "cp932"}) {
        if (!qtDecodes(codec)) {
            GTEST_SKIP() << "Qt here cannot decode " << codec;
        }
    }
    // Font character sets pick the code page; \ansicpg covers the default set.
    const QByteArray rtf =
        "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset204 B;}"
        "{\\f2\\fcharset238 C;}{\\f3\\fcharset1 D;}{\\f4 E;}{\\f5\\fcharset0\\cpg1253 G;}}"
        "\\f0\\'e9\\'80 \\f1\\'cf\\'f0 \\f2\\'b9 \\f3\\'e4 \\f4\\'e4 \\f5\\'e1}";
    EXPECT_EQ(textOf(rtf), QStringLiteral("\u00e9\u20ac \u041f\u0440 \u0105 \u0434 \u0434 \u03b1"));
    // A double-byte character split over two hex escapes is one character; raw trail bytes
    // count too.
    const QByteArray japanese = "{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset128 M;}}\\f0 "
                                "\\'82\\'a0\\'93\\'fa\\'96{\\'7b}\\'82\\'60}";
    EXPECT_EQ(textOf(japanese), QStringLiteral("\u3042\u65e5\u672c\uff21"));
    // An unknown code page falls back to Windows-1252.
    EXPECT_EQ(textOf("{\\rtf1\\ansi\\ansicpg99999 caf\\'e9\\'93}"),
              QStringLiteral("caf\u00e9\u201c"));
}

TEST(RtfReader, UnicodeWithFallbackSkipping) {
    EXPECT_EQ(textOf("{\\rtf1 a\\u1046?b\\u-3?c\\u8364\\'80d}"),
              QStringLiteral("a\u0416b\ufffdc\u20acd"));
    // \uc sets how many fallback characters follow; hex bytes and words count as one each.
    EXPECT_EQ(textOf("{\\rtf1\\uc2 a\\u12354\\'82\\'a0b\\uc0\\u65 c\\uc1\\u66\\emdash d}"),
              QStringLiteral("a\u3042bAcBd"));
    // \uc is scoped by groups and a fallback never crosses a brace.
    EXPECT_EQ(textOf("{\\rtf1{\\uc3 \\u67 x}\\u68 yz{\\u69}w}"), QStringLiteral("CDzEw"));
}

TEST(RtfReader, NamedPunctuation) {
    EXPECT_EQ(textOf("{\\rtf1 \\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\bullet"
                     "\\~\\-\\_\\emspace\\enspace\\qmspace\\\\\\{\\}}"),
              QStringLiteral("\u2014\u2013\u2018\u2019\u201c\u201d\u2022\u00a0\u00ad\u2011\u2003"
                             "\u2002\u2005\\{}"));
}

TEST(RtfReader, SkipsDestinationsThatHoldNoText) {
    const QByteArray rtf =
        "{\\rtf1{\\fonttbl{\\f0 F;}}{\\stylesheet{\\s1 Heading;}}{\\info{\\title T}{\\author "
        "A}}{\\header head}{\\footerr foot}{\\*\\unknown{\\nested x}y}{\\*\\generator g;}"
        "a{\\pict\\wmetafile8 0102}b{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}"
        "{\\unknownword kept}\\bin3 {}}c{\\object{\\*\\objdata 01}{\\result r}}d"
        "{\\pn\\pnlvlblt{\\pntxtb\\'b7}}e{\\upr{ansi}{\\*\\ud{\\u1046?}}}}";
    EXPECT_EQ(textOf(rtf), QStringLiteral("ablinkkeptcde\u0416"));
}

TEST(RtfReader, SurvivesBrokenInput) {
    // Trailing NUL, missing and extra closing braces, text after the end, broken escapes,
    // huge parameters and stray bytes.
    EXPECT_EQ(textOf(QByteArray("{\\rtf1 abc}\0", 12)), QStringLiteral("abc"));
    EXPECT_EQ(textOf("{\\rtf1{\\b abc"), QStringLiteral("abc"));
    EXPECT_EQ(textOf("{\\rtf1 abc}} more"), QStringLiteral("abc"));
    EXPECT_EQ(textOf("}{\\rtf1 a\\'zz\\'4b\\'4"), QStringLiteral("azzK4"));
    EXPECT_EQ(textOf("{\\rtf1\\fs99999999999999\\f-99999999999\\cf2147483648 x\\bin-5 y\\bin9"),
              QStringLiteral("xy"));
    EXPECT_EQ(textOf(""), QString());
    EXPECT_EQ(textOf("{\\rtf1 a\x01\x1f\tb\\u0 \\u13 \\u8233 \\u64976 c}"),
              QStringLiteral("a\tbc"));
}

TEST(RtfReader, HostileInputStaysLinear) {
    // Deep nesting, endless escapes and a long word: each must finish quickly.
    const QList<QByteArray> inputs = {
        "{\\rtf1 " + QByteArray(500000, '{') + "x" + QByteArray(500000, '}'),
        "{\\rtf1 " + QByteArray(500000, '\\'),
        "{\\rtf1 " + QByteArray("\\'").repeated(300000),
        "{\\rtf1 \\" + QByteArray(500000, 'a') + " x}",
        "{\\rtf1 " + QByteArray("\\u1?").repeated(200000) + "}",
        "{\\rtf1{\\fonttbl" + QByteArray("{\\f1 a;}").repeated(100000) + "}x}",
    };
    for (const QByteArray& input : inputs) {
        QElapsedTimer timer;
        timer.start();
        const auto document = readRtf(input);
        EXPECT_LT(timer.elapsed(), 5000) << input.left(40).constData();
    }
    EXPECT_EQ(textOf(inputs.at(0)), QStringLiteral("x"));
}

TEST(RtfReader, InsertsAtTheCursorKeepingTheHostParagraph) {
    auto document = newDocument();
    document->setPlainText(QStringLiteral("HEAD TAIL"));
    QTextCursor cursor(document.get());
    cursor.setPosition(5);
    // A partial last paragraph does not realign the paragraph it lands in.
    Rtf::read(richEdit("\\qc mid "), cursor);
    EXPECT_EQ(document->toPlainText(), QStringLiteral("HEAD mid TAIL"));
    EXPECT_EQ(cursor.position(), 9);
    EXPECT_EQ(document->begin().blockFormat().alignment(), Qt::AlignLeft);

    // A paragraph ended by \par takes its alignment; the split-off tail keeps the host's.
    Rtf::read(richEdit("\\qr one\\par two "), cursor);
    EXPECT_EQ(document->toPlainText(), QStringLiteral("HEAD mid one\ntwo TAIL"));
    EXPECT_EQ(document->begin().blockFormat().alignment(), Qt::AlignRight);
    EXPECT_EQ(document->lastBlock().blockFormat().alignment(), Qt::AlignLeft);

    // A selection is replaced.
    cursor.setPosition(0);
    cursor.setPosition(4, QTextCursor::KeepAnchor);
    Rtf::read(richEdit("{\\b X}"), cursor);
    EXPECT_EQ(document->toPlainText(), QStringLiteral("X mid one\ntwo TAIL"));
    EXPECT_TRUE(document->begin().begin().fragment().charFormat().font().bold());

    // Inserting is one undo step.
    document->undo();
    EXPECT_EQ(document->toPlainText(), QStringLiteral("HEAD mid one\ntwo TAIL"));
}

TEST(RtfReader, EmptyLinesKeepTheirFontSize) {
    const auto document = readRtf(richEdit("a\\par\\fs48\\par b"));
    const QTextBlock empty = document->begin().next();
    ASSERT_EQ(empty.length(), 1);
    EXPECT_EQ(empty.charFormat().fontPointSize(), 24.0);
}

TEST(RtfReader, RecognisesRtf) {
    EXPECT_TRUE(Rtf::isRtf(" \r\n\t{\\rtf1 x}"));
    EXPECT_TRUE(Rtf::isRtf("{\\rtf"));
    EXPECT_FALSE(Rtf::isRtf("{\\rt"));
    EXPECT_FALSE(Rtf::isRtf("x{\\rtf1}"));
    EXPECT_FALSE(Rtf::isRtf(""));
}
