#include "common/platform/TextFile.h"
#include "tests/support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

TEST(TextFile, WritesWindows1252WithCrLfAndReadsItBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Game.gam");
    const QStringList lines = {"Caf\u00e9 \u20ac", "", "  spaced  ", "\u015c\U0001F600"};
    ASSERT_TRUE(TextFile::writeLines(path, lines));
    EXPECT_EQ(bytesOf(path), "Caf\xE9 \x80\r\n\r\n  spaced  \r\n??\r\n");
    EXPECT_EQ(TextFile::readLines(path), (QStringList{"Café €", "", "  spaced  ", "??"}));

    ASSERT_TRUE(TextFile::writeLines(path, {}));
    EXPECT_EQ(bytesOf(path), "");
    EXPECT_EQ(TextFile::readLines(path), QStringList{});
}

TEST(TextFile, ReadsCrLfAndLfLines) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Default.txt");
    writeBytes(path, "one\r\ntwo\nthree\r\n\r\nlast");
    EXPECT_EQ(TextFile::readLines(path), (QStringList{"one", "two", "three", "", "last"}));
    // A carriage return that ends no line is text.
    writeBytes(path, "a\rb\r\r\nc\r");
    EXPECT_EQ(TextFile::readLines(path), (QStringList{"a\rb\r", "c\r"}));
}

TEST(TextFile, LineViewsAreTheLinesInPlace) {
    for (const QString& text : {QStringLiteral("one\r\ntwo\nlast"), QStringLiteral("a\rb\r\r\nc\r"),
                                QStringLiteral("\n\n"), QString()}) {
        const QList<QStringView> views = TextFile::splitLineViews(text);
        const QStringList lines = TextFile::splitLines(text);
        ASSERT_EQ(views.size(), lines.size()) << text.toStdString();
        for (qsizetype i = 0; i < views.size(); ++i) {
            EXPECT_EQ(views[i], lines[i]);
            EXPECT_TRUE(views[i].isEmpty() || (views[i].data() >= text.data() &&
                                               views[i].data() < text.data() + text.size()));
        }
    }
}

TEST(TextFile, WritesUtf8OnlyWhenACharacterDoesNotFitAndOnlyOnRequest) {
    struct Case {
        const char* what;
        QStringList lines;
        TextFile::Encoding encoding;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"fits",
         {"Caf\u00e9", "\u20ac"},
         TextFile::Encoding::Utf8WhenNeeded,
         "Caf\xE9\r\n\x80\r\n"},
        {"does not fit",
         {"Caf\u00e9", "\u0418\u0433\u0440\u044b"},
         TextFile::Encoding::Utf8WhenNeeded,
         "\xEF\xBB\xBF"
         "Caf\xC3\xA9\r\n\xD0\x98\xD0\xB3\xD1\x80\xD1\x8B\r\n"},
        {"beyond the basic plane",
         {"\U0001F600"},
         TextFile::Encoding::Utf8WhenNeeded,
         "\xEF\xBB\xBF\xF0\x9F\x98\x80\r\n"},
        {"not asked for", {"\u0418"}, TextFile::Encoding::Windows1252, "?\r\n"},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("Template.qlt");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(TextFile::writeLines(path, c.lines, nullptr, c.encoding));
        EXPECT_EQ(bytesOf(path).toStdString(), c.bytes.toStdString());
        if (c.encoding == TextFile::Encoding::Utf8WhenNeeded) {
            EXPECT_EQ(TextFile::readLines(path), c.lines); // the mark is not part of the text
        }
    }
}

TEST(TextFile, ReportsWhatCannotBeReadOrWritten) {
    QTemporaryDir dir;
    EXPECT_FALSE(TextFile::readLines(dir.filePath("missing.txt")).has_value());
    EXPECT_FALSE(TextFile::readLines(dir.path()).has_value());
    EXPECT_FALSE(TextFile::writeLines(dir.path(), {"x"}));
    EXPECT_FALSE(TextFile::writeLines(dir.filePath("no/folder/x.txt"), {"x"}));

    const QString path = dir.filePath("Restore.txt");
    writeBytes(path, "old\r\n");
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner));
    EXPECT_FALSE(TextFile::writeLines(path, {"new"}));
    EXPECT_EQ(bytesOf(path), "old\r\n");
}

// A disk that fills up half-way through a save must leave the previous file as it was.
TEST(TextFile, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Game.gam");
    writeBytes(path, "previous\r\n");

    bool written = true;
    {
        const FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.lowered);
        written = TextFile::writeLines(path, QStringList(2000, QString(40, u'x')));
    }

    EXPECT_FALSE(written);
    EXPECT_EQ(bytesOf(path), "previous\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Game.gam"});
}

} // namespace
