#include "common/richtext/tests/RtfInteropSupport.h"
#include "common/richtext/tests/RtfTestSupport.h"

#include <QTemporaryDir>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <gtest/gtest.h>

namespace {

// Character formatting: flags of "b", "i", "u", "s", a size, a colour and a family.
QTextCharFormat format(const char* flags = "", double points = 12, const QColor& color = {},
                       const QString& family = QStringLiteral("Liberation Sans")) {
    const QByteArray set(flags);
    QTextCharFormat format;
    format.setFontFamilies({family});
    format.setFontPointSize(points);
    format.setFontWeight(set.contains('b') ? QFont::Bold : QFont::Normal);
    format.setFontItalic(set.contains('i'));
    format.setFontUnderline(set.contains('u'));
    format.setFontStrikeOut(set.contains('s'));
    if (color.isValid()) {
        format.setForeground(color);
    }
    return format;
}

using Runs = QList<QPair<QString, QTextCharFormat>>;

void addParagraph(QTextCursor& cursor, Qt::Alignment align, const Runs& runs) {
    QTextBlockFormat block;
    block.setAlignment(align);
    if (cursor.position() == 0) {
        cursor.setBlockFormat(block);
    } else {
        cursor.insertBlock(block);
    }
    for (const auto& [text, format] : runs) {
        cursor.insertText(text, format);
    }
}

std::unique_ptr<QTextDocument> formattingDocument() {
    auto document = newDocument();
    QTextCursor cursor(document.get());
    addParagraph(cursor, Qt::AlignHCenter,
                 {{"Plain ", format()},
                  {"bold ", format("b")},
                  {"italic ", format("i")},
                  {"under ", format("u")},
                  {"struck ", format("s")},
                  {"red ", format("", 12, QColor(255, 0, 0))},
                  {"green18", format("", 18, QColor(0, 128, 0))}});
    addParagraph(cursor, Qt::AlignRight,
                 {{"Serif20", format("bi", 20, {}, QStringLiteral("Liberation Serif"))},
                  {" small8 blue", format("u", 8, QColor(0, 0, 255))}});
    addParagraph(cursor, Qt::AlignJustify,
                 {{"Justified text that is long enough to wrap over more than one line of an "
                   "ordinary page, so that justification shows. ",
                   format()},
                  // LibreOffice's HTML has whole points only.
                  {"Mono 11", format("", 11, {}, QStringLiteral("Liberation Mono"))}});
    addParagraph(cursor, Qt::AlignLeft, {});
    addParagraph(cursor, Qt::AlignLeft, {{"end", format("bu")}});
    return document;
}

std::unique_ptr<QTextDocument> charactersDocument() {
    auto document = newDocument();
    QTextCursor cursor(document.get());
    const QStringList lines = {
        QStringLiteral("Caf\u00e9 na\u00efve \u20ac \u201cquoted\u201d \u2014 \u2018single\u2019 "
                       "\u2026 \u2122"),
        QStringLiteral("Cyrillic \u0416\u0443\u043a, Greek \u03b1\u03b2\u03b3, CJK "
                       "\u65e5\u672c\u8a9e, emoji \U0001F600"),
        QStringLiteral("Braces {x} and backslash \\ and tab\there"),
        QStringLiteral("Line\u2028break and no-break\u00a0space")};
    for (const QString& line : lines) {
        addParagraph(cursor, Qt::AlignLeft, {{line, format()}});
    }
    return document;
}

QString rangeText(const QTextDocument& document, int from, int to) {
    QTextCursor cursor(const_cast<QTextDocument*>(&document));
    cursor.setPosition(from);
    cursor.setPosition(to < 0 ? document.characterCount() - 1 : to, QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

// A document written here, and the part of it that was written.
struct Written {
    QString name;
    std::shared_ptr<QTextDocument> document;
    int from = 0;
    int to = -1;
};

QList<Written> writtenDocuments() {
    QList<Written> written;
    written.append({QStringLiteral("formatting"), formattingDocument()});
    written.append({QStringLiteral("characters"), charactersDocument()});
    // Empty lines at the end are lines too.
    auto trailing = newDocument();
    QTextCursor cursor(trailing.get());
    addParagraph(cursor, Qt::AlignLeft, {{"Keys", format()}});
    addParagraph(cursor, Qt::AlignLeft, {});
    addParagraph(cursor, Qt::AlignLeft, {});
    written.append({QStringLiteral("trailing"), std::move(trailing)});
    // From inside "italic" to inside "Serif20": partial first and last paragraphs.
    written.append({QStringLiteral("range"), formattingDocument(), 8, 30});
    return written;
}

class RtfInterop : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("out")));
    }

    void requireLibreOffice() {
        if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty()) {
            GTEST_SKIP() << "LibreOffice (soffice) is not installed";
        }
    }

    QString path(const QString& name) const { return dir_.filePath(name); }
    QString out(const QString& name) const { return dir_.filePath(QStringLiteral("out/") + name); }

    QStringList writeAll(const QList<Written>& documents) {
        QStringList files;
        for (const Written& written : documents) {
            files << path(written.name + QStringLiteral(".rtf"));
            // A whole document is written as a file is, a part as a selection is.
            const bool whole = written.from == 0 && written.to < 0;
            EXPECT_TRUE(writeFile(files.last(),
                                  whole ? Rtf::write(*written.document)
                                        : Rtf::write(*written.document, written.from, written.to)));
        }
        return files;
    }

    QTemporaryDir dir_;
};

} // namespace

TEST_F(RtfInterop, WrittenRtfReadsTheSameInLibreOffice) {
    requireLibreOffice();
    const QList<Written> documents = writtenDocuments();
    const QStringList files = writeAll(documents);
    ASSERT_TRUE(convertWithLibreOffice(files, QStringLiteral("html"), QStringLiteral("html"),
                                       out({}), dir_.path()));
    ASSERT_TRUE(convertWithLibreOffice(files, QStringLiteral("txt:Text (encoded):UTF8"),
                                       QStringLiteral("txt"), out({}), dir_.path()));
    for (const Written& written : documents) {
        SCOPED_TRACE(written.name.toStdString());
        EXPECT_EQ(libreOfficeText(out(written.name + QStringLiteral(".txt"))),
                  comparableText(rangeText(*written.document, written.from, written.to)) + "\n");
        const auto html = parseHtml(readFile(out(written.name + QStringLiteral(".html"))));
        EXPECT_EQ(visibleFormatting(*html),
                  visibleFormatting(*written.document, Checked::All, written.from, written.to));
    }
}

TEST_F(RtfInterop, WrittenRtfReadsTheSameInUnrtf) {
    if (QStandardPaths::findExecutable(QStringLiteral("unrtf")).isEmpty()) {
        GTEST_SKIP() << "unrtf is not installed";
    }
    // unrtf 0.21 drops the character after each \u fallback, so the documents of plain
    // letters only.
    QList<Written> documents = writtenDocuments();
    documents.removeIf([](const Written& written) { return written.name == "characters"; });
    const QStringList files = writeAll(documents);
    for (int i = 0; i < documents.size(); ++i) {
        const Written& written = documents.at(i);
        SCOPED_TRACE(written.name.toStdString());
        const QByteArray html =
            runProgram(QStringLiteral("unrtf"), {QStringLiteral("--html"), files.at(i)}, path({}));
        ASSERT_FALSE(html.isNull());
        const auto document = parseHtml(html);
        EXPECT_EQ(collapsedText(document->toRawText()),
                  collapsedText(rangeText(*written.document, written.from, written.to)));
        EXPECT_EQ(
            visibleFormatting(*document, Checked::Emphasis),
            visibleFormatting(*written.document, Checked::Emphasis, written.from, written.to));
    }
}

// Files LibreOffice writes from HTML and plain text of ours load here as they were meant.
TEST_F(RtfInterop, LibreOfficeRtfLoadsHere) {
    requireLibreOffice();
    const QString html = fixturesDir() + QStringLiteral("/lo_formatting.html");
    const QString text = fixturesDir() + QStringLiteral("/lo_plain.txt");
    ASSERT_TRUE(convertWithLibreOffice({html, text}, QStringLiteral("rtf"), QStringLiteral("rtf"),
                                       out({}), dir_.path(), {}))
        << "conversion to RTF failed";

    const auto fromHtml = readRtf(readFile(out(QStringLiteral("lo_formatting.rtf"))));
    const auto reference = parseHtml(readFile(html));
    EXPECT_EQ(visibleFormatting(*fromHtml), visibleFormatting(*reference));
    EXPECT_EQ(collapsedText(fromHtml->toRawText()), collapsedText(reference->toRawText()));

    const auto fromText = readRtf(readFile(out(QStringLiteral("lo_plain.rtf"))));
    EXPECT_EQ(comparableText(fromText->toRawText()) + "\n",
              QString::fromUtf8(readFile(text)).replace(QLatin1Char('\t'), QLatin1Char('\t')));
}

// The hand-written fixtures read the same in LibreOffice as here (plain text).
TEST_F(RtfInterop, FixturesReadTheSameInLibreOffice) {
    requireLibreOffice();
    const QStringList fixtures =
        QDir(fixturesDir()).entryList({QStringLiteral("*.rtf")}, QDir::Files, QDir::Name);
    ASSERT_FALSE(fixtures.isEmpty());
    QStringList files;
    for (const QString& fixture : fixtures) {
        files << fixturesDir() + QLatin1Char('/') + fixture;
    }
    ASSERT_TRUE(convertWithLibreOffice(files, QStringLiteral("txt:Text (encoded):UTF8"),
                                       QStringLiteral("txt"), out({}), dir_.path()));
    for (const QString& fixture : fixtures) {
        SCOPED_TRACE(fixture.toStdString());
        const QString name = QFileInfo(fixture).completeBaseName();
        EXPECT_EQ(libreOfficeText(out(name + QStringLiteral(".txt"))),
                  comparableText(
                      readRtf(readFile(fixturesDir() + QLatin1Char('/') + fixture))->toRawText()) +
                      "\n");
    }
}
