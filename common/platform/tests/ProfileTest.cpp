#include "common/platform/Profile.h"

#include "common/platform/ProfileText.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ProfileTest : public ::testing::Test {
protected:
    QString path() const { return dir_.filePath("Test.ini"); }

    void write(const QByteArray& bytes) const {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QByteArray content() const {
        QFile file(path());
        if (!file.open(QIODevice::ReadOnly)) {
            return "<missing>";
        }
        return file.readAll();
    }

    QString text(const QString& section, const QString& key, int buffer = 100) const {
        return Profile::readString(section, key, "<default>", buffer, path());
    }

    QTemporaryDir dir_;
};

TEST_F(ProfileTest, FindsSectionsAndKeysWithoutRegardToAsciiCase) {
    write("; settings\r\n"
          "Stray=before any section\r\n"
          "  [ Styles ]  trailing text\r\n"
          "\tStyleFontName1 \t=  Arial Black \t\r\n"
          "stylefontname1=Second\r\n"
          "[STYLES]\r\n"
          "StyleFontSize1=12\r\n"
          "[Caf\xE9]\r\n"
          "Key=accent\r\n");
    EXPECT_EQ(text("styles", "STYLEFONTNAME1"), "Arial Black");
    EXPECT_EQ(text("  Styles ", " StyleFontName1\t"), "Arial Black");
    // Only the first section of a name counts.
    EXPECT_EQ(Profile::readInt("Styles", "StyleFontSize1", 8, path()), 8);
    EXPECT_EQ(text("Café", "key"), "accent");
    EXPECT_EQ(text("CAFÉ", "key"), "<default>");
    EXPECT_EQ(text("caf\u00c9", "key"), "<default>");
    EXPECT_EQ(text("", "Stray"), "<default>");
    EXPECT_EQ(text("Styles", "Missing"), "<default>");
    EXPECT_EQ(text("Missing", "StyleFontName1"), "<default>");
}

TEST_F(ProfileTest, CommentsBrokenHeadersAndLinesWithoutEqualsAreNoKeys) {
    write("[A]\n"
          ";Hidden=1\n"
          "   ; Indented=2\n"
          "[Broken\n"
          "AfterBroken=3\n"
          "NoEquals\n"
          "Empty=\n"
          "Eq=a=b\n"
          "[[Odd]] ]\n"
          "K=odd\n");
    EXPECT_EQ(text("A", ";Hidden"), "<default>");
    EXPECT_EQ(text("A", "; Indented"), "<default>");
    EXPECT_EQ(text("A", "AfterBroken"), "3");
    EXPECT_EQ(text("A", "[Broken\nAfterBroken"), "<default>");
    EXPECT_EQ(text("A", "NoEquals"), "<default>");
    EXPECT_EQ(text("A", "Empty"), "");
    EXPECT_EQ(text("A", "Eq"), "a=b");
    EXPECT_EQ(text("[Odd]]", "k"), "odd");
}

TEST_F(ProfileTest, QuotesAroundAWholeValueAreRemoved) {
    write("[Q]\r\n"
          "Double=\"  two blanks  \"\r\n"
          "Single= 'x' \r\n"
          "Mixed=\"x'\r\n"
          "Lone=\"\r\n"
          "Inner=a \"b\" c\r\n"
          "EmptyQuotes=\"\"\r\n"
          "Number=\" 42\"\r\n");
    EXPECT_EQ(text("Q", "Double"), "  two blanks  ");
    EXPECT_EQ(text("Q", "Single"), "x");
    EXPECT_EQ(text("Q", "Mixed"), "\"x'");
    EXPECT_EQ(text("Q", "Lone"), "\"");
    EXPECT_EQ(text("Q", "Inner"), "a \"b\" c");
    EXPECT_EQ(text("Q", "EmptyQuotes"), "");
    EXPECT_EQ(Profile::readInt("Q", "EmptyQuotes", 5, path()), 5);
    EXPECT_EQ(Profile::readInt("Q", "Number", 5, path()), 42);
}

TEST_F(ProfileTest, ReadingTextKeepsAtMostBufferSizeLessOneCharacters) {
    const QString sixty(60, u'n');
    write("[Styles]\r\nStyleFontName1=" + sixty.toLatin1() + "\r\n");
    EXPECT_EQ(text("Styles", "StyleFontName1", 50), sixty.left(49));
    EXPECT_EQ(text("Styles", "StyleFontName1", 61), sixty);
    EXPECT_EQ(text("Styles", "StyleFontName1", 1), "");
    EXPECT_EQ(text("Styles", "StyleFontName1", 0), "");
    // The default is cut the same way.
    EXPECT_EQ(Profile::readString("Styles", "Missing", "abcdef", 4, path()), "abc");
    EXPECT_EQ(Profile::readString("S", "K", "d", 100, dir_.filePath("none.ini")), "d");
}

TEST_F(ProfileTest, IntegersTakeSignAndLeadingDigits) {
    write("[N]\nPlain=8\nNegative=-1\nPlus=+5\nTrailing=12abc\nWord=abc\nEmpty=\n"
          "SignOnly=-\nSpaced=- 3\nHuge=4294967295\nBig=16711680\n");
    const auto n = [this](const char* key) { return Profile::readInt("N", key, 99, path()); };
    EXPECT_EQ(n("Plain"), 8);
    EXPECT_EQ(n("Negative"), -1);
    EXPECT_EQ(n("Plus"), 5);
    EXPECT_EQ(n("Trailing"), 12);
    EXPECT_EQ(n("Word"), 0);
    EXPECT_EQ(n("Empty"), 99);
    EXPECT_EQ(n("Missing"), 99);
    EXPECT_EQ(n("SignOnly"), 0);
    EXPECT_EQ(n("Spaced"), 0);
    EXPECT_EQ(n("Huge"), -1); // 32-bit wrap, as the Windows function gives
    EXPECT_EQ(n("Big"), 16711680);
    EXPECT_EQ(Profile::readInt("N", "Plain", 3, dir_.filePath("none.ini")), 3);
}

TEST_F(ProfileTest, RewritingAKeyKeepsEveryOtherByte) {
    const QByteArray before = "; comment = not a key\n"
                              "\n"
                              "[Snap stuff]   \r\n"
                              "  snapmode =  1  \r\n"
                              "SnapMode=7\n"
                              "   GridCellSize=5\n"
                              "\t\n"
                              "[Other]\n"
                              "SnapMode=3";
    write(before);
    ASSERT_TRUE(Profile::writeString("SNAP STUFF", "SnapMode", "2", path()));
    EXPECT_EQ(content(), "; comment = not a key\n"
                         "\n"
                         "[Snap stuff]   \r\n"
                         "snapmode=2\r\n"
                         "SnapMode=7\n"
                         "   GridCellSize=5\n"
                         "\t\n"
                         "[Other]\n"
                         "SnapMode=3");
    EXPECT_EQ(Profile::readInt("Snap stuff", "snapMODE", 0, path()), 2);

    // The last line of the file, without a line end, is written with one.
    ASSERT_TRUE(Profile::writeString("Other", "SnapMode", "4", path()));
    EXPECT_TRUE(content().endsWith("[Other]\nSnapMode=4\r\n"));
}

TEST_F(ProfileTest, NewKeyGoesAfterTheLastNonBlankLineOfItsSection) {
    write("[Previous Files]\r\n"
          "NumberPreviousFiles=1\r\n"
          "; last one\r\n"
          "\r\n"
          "\r\n"
          "[Snap stuff]\r\n"
          "SnapMode=2\r\n"
          "[previous files]\r\n"
          "PreviousFilePath2=duplicate section\r\n");
    ASSERT_TRUE(Profile::writeString("Previous Files", "PreviousFilePath2", "/a/b.gam", path()));
    EXPECT_EQ(content(), "[Previous Files]\r\n"
                         "NumberPreviousFiles=1\r\n"
                         "; last one\r\n"
                         "PreviousFilePath2=/a/b.gam\r\n"
                         "\r\n"
                         "\r\n"
                         "[Snap stuff]\r\n"
                         "SnapMode=2\r\n"
                         "[previous files]\r\n"
                         "PreviousFilePath2=duplicate section\r\n");

    // A section with no key yet takes the key right after its header, even at the file's end.
    write("[Empty]");
    ASSERT_TRUE(Profile::writeString("empty", "K", "v", path()));
    EXPECT_EQ(content(), "[Empty]\r\nK=v\r\n");
}

TEST_F(ProfileTest, NewSectionIsAppendedAndNewFileCreated) {
    ASSERT_TRUE(Profile::writeString(" Miscellaneous ", " BottomRow ", "4", path()));
    EXPECT_EQ(content(), "[Miscellaneous]\r\nBottomRow=4\r\n");

    ASSERT_TRUE(Profile::writeString("Styles", "StyleFontName1", "Arial", path()));
    EXPECT_EQ(content(), "[Miscellaneous]\r\nBottomRow=4\r\n[Styles]\r\nStyleFontName1=Arial\r\n");

    write("[A]\nx=1");
    ASSERT_TRUE(Profile::writeString("B", "y", "2", path()));
    EXPECT_EQ(content(), "[A]\nx=1\r\n[B]\r\ny=2\r\n");
}

TEST_F(ProfileTest, SeveralKeysInOneWriteGiveTheSameFileAsOneWriteEach) {
    const QByteArray start = "; settings\n[Main options]\nLastfolder = /old/\n\n[Other]\nx=1\n";
    const QList<std::pair<QString, QString>> keys = {
        {"Lastfolder", "/games/"}, {"LastGamPath", "/games/a.gam"}, {"AlwaysChorded", "0"}};
    write(start);
    for (const auto& [key, value] : keys) {
        ASSERT_TRUE(Profile::writeString("Main options", key, value, path()));
    }
    const QByteArray oneByOne = content();

    write(start);
    ASSERT_TRUE(Profile::writeStrings("Main options", keys, path()));
    EXPECT_EQ(content(), oneByOne);

    // One key that cannot be stored stops the whole write.
    write(start);
    EXPECT_FALSE(
        Profile::writeStrings("Main options", {{"Lastfolder", "/x/"}, {"K=", "v"}}, path()));
    EXPECT_EQ(content(), start);
}

TEST_F(ProfileTest, FailedOrRefusedWritesLeaveTheFileAlone) {
    EXPECT_FALSE(Profile::writeString("S", "K", "v", dir_.filePath("no/such/folder/x.ini")));
    EXPECT_FALSE(Profile::writeString("S", "K", "v", dir_.path()));

    const QByteArray before = "[S]\r\nK=old\r\n";
    write(before);
    // A line break would add lines of its own; a key with "=" could never be read back.
    EXPECT_FALSE(Profile::writeString("S", "K", "a\r\n[S]\r\nK=injected", path()));
    EXPECT_FALSE(Profile::writeString("S", "K=x", "v", path()));
    EXPECT_FALSE(Profile::writeString("S", " ", "v", path()));
    EXPECT_FALSE(Profile::writeString("", "K", "v", path()));
    EXPECT_EQ(content(), before);

    // Read-only by its permission bit, even for root who could write it anyway.
    ASSERT_TRUE(QFile::setPermissions(path(), QFile::ReadOwner | QFile::ReadGroup));
    EXPECT_FALSE(Profile::writeString("S", "K", "new", path()));
    EXPECT_EQ(content(), before);
}

TEST_F(ProfileTest, FilesAreWindows1252UnlessTheyStartWithAUtf8Mark) {
    write("[Default images]\r\nJe\xFC=c:\\b\xE9\x80.bmp\r\n");
    EXPECT_EQ(text("Default images", "Jeü"), "c:\\bé€.bmp");
    ASSERT_TRUE(Profile::writeString("Default images", "Jeü", "ü€", path()));
    EXPECT_EQ(content(), "[Default images]\r\nJe\xFC=\xFC\x80\r\n");
    // A letter Windows-1252 lacks turns the file into UTF-8 rather than into "?".
    ASSERT_TRUE(Profile::writeString("Default images", "Jeü", "ü€ŝ", path()));
    EXPECT_EQ(content(), "\xEF\xBB\xBF[Default images]\r\nJe\xC3\xBC=\xC3\xBC\xE2\x82\xAC"
                         "\xC5\x9D\r\n");
    EXPECT_EQ(text("Default images", "Jeü"), "ü€ŝ");

    write("\xEF\xBB\xBF[Default images]\nJeü=é\n");
    EXPECT_EQ(text("Default images", "Jeü"), "é");
    ASSERT_TRUE(Profile::writeString("Default images", "Größe", "ŝ", path()));
    ASSERT_TRUE(Profile::writeString("Neu", "k", "ü", path()));
    EXPECT_EQ(content(), "\xEF\xBB\xBF[Default images]\nJeü=é\nGröße=ŝ\r\n[Neu]\r\nk=ü\r\n");

    // A file holding only the mark gets no blank line before the first section.
    write("\xEF\xBB\xBF");
    ASSERT_TRUE(Profile::writeString("S", "k", "v", path()));
    EXPECT_EQ(content(), "\xEF\xBB\xBF[S]\r\nk=v\r\n");
}

TEST_F(ProfileTest, BinaryContentSurvivesAndStaysUntouched) {
    QByteArray noise(1 << 20, '\0');
    QRandomGenerator random(7);
    for (char& byte : noise) {
        byte = static_cast<char>(random.bounded(256));
    }
    const QByteArray before = "[Known]\r\nKey=value\r\n" + noise;
    write(before);
    EXPECT_EQ(text("Known", "Key"), "value");
    ASSERT_TRUE(Profile::writeString("Known", "Key", "changed", path()));
    QByteArray expected = before;
    expected.replace(0, 18, "[Known]\r\nKey=changed");
    EXPECT_EQ(content(), expected);
    ASSERT_TRUE(Profile::writeString("Fresh Section", "Key", "x", path()));
    EXPECT_TRUE(content().startsWith(expected));
    EXPECT_EQ(text("Fresh Section", "Key"), "x");
}

// Lines may end with CR LF, LF or a lone CR; a write replaces only its own line.
TEST(ProfileTextTest, EveryLineEndEndsALine) {
    struct Case {
        const char* what;
        QByteArray before;
        const char* key;
        QByteArray after;
    };
    const Case cases[] = {
        {"lone CR between keys", "[a]\rb=1\rc=2\r", "b", "[a]\rb=new\r\nc=2\r"},
        {"lone CR ends the file", "[a]\r\nb=new\r", "b", "[a]\r\nb=new\r\n"},
        {"mixed ends", "[a]\nb=1\r\nc=2\rd=3", "c", "[a]\nb=1\r\nc=new\r\nd=3"},
        {"new key after a lone CR", "[a]\rb=1\r", "z", "[a]\rb=1\rz=new\r\n"},
        {"new section after a lone CR", "[x]\r", "k", "[x]\r[s]\r\nk=new\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString section = QString::fromLatin1(c.key) == "k" ? "s" : "a";
        const QByteArray written = ProfileText::withValue(c.before, section, c.key, "new");
        EXPECT_EQ(written.toStdString(), c.after.toStdString());
        EXPECT_EQ(ProfileText::findValue(written, section, c.key), "new");
    }
    EXPECT_EQ(ProfileText::findValue("[a]\rb=1\rc=2\r", "a", "c"), "2");
}

// A path outside Windows-1252 makes the file UTF-8 with a mark, its other lines keeping their
// text; once UTF-8 it stays so, and Windows-1252 files stay Windows-1252 while everything fits.
TEST_F(ProfileTest, UnicodePathsTurnTheFileIntoUtf8ForGood) {
    write("[Main options]\r\nLastfolder=C:\\Caf\xE9\\\r\nAlwaysChorded=1\r\n");
    const QString path = "/home/\u0438\u0433\u0440\u0430/\u041f\u0440\u0438\u0432\u0435\u0442.gam";
    ASSERT_TRUE(Profile::writeString("Main options", "LastGamPath", path, this->path()));
    EXPECT_EQ(content(), "\xEF\xBB\xBF[Main options]\r\nLastfolder=C:\\Caf\xC3\xA9\\\r\n"
                         "AlwaysChorded=1\r\nLastGamPath=" +
                             path.toUtf8() + "\r\n");
    EXPECT_EQ(text("Main options", "LastGamPath", 500), path);
    EXPECT_EQ(text("Main options", "Lastfolder"), "C:\\Café\\");

    ASSERT_TRUE(Profile::writeString("Main options", "LastGamPath", "/plain.gam", this->path()));
    EXPECT_TRUE(content().startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(text("Main options", "Lastfolder"), "C:\\Café\\");
}

TEST(ProfileTextTest, ParsesIntegersLikeTheProfileFunctions) {
    EXPECT_EQ(ProfileText::parseInt("  \t-2147483648"), -2147483648);
    EXPECT_EQ(ProfileText::parseInt("2147483647"), 2147483647);
    EXPECT_EQ(ProfileText::parseInt("007x"), 7);
    EXPECT_EQ(ProfileText::parseInt("--1"), 0);
    EXPECT_EQ(ProfileText::parseInt("١٢"), 0); // only ASCII digits count
    // Blank, tab, VT, FF and CR are blanks; LF and other controls are not.
    const std::pair<const char*, int> blanks[] = {{" 5", 5},  {"\t5", 5}, {"\v5", 5}, {"\f5", 5},
                                                  {"\r5", 5}, {"\n5", 0}, {"\b5", 0}, {"\0165", 0}};
    for (const auto& [text, value] : blanks) {
        EXPECT_EQ(ProfileText::parseInt(text), value) << static_cast<int>(text[0]);
        // After a name, the blanks go; CR and LF end the line instead.
        const bool trimmed = value == 5 && text[0] != '\r';
        EXPECT_EQ(ProfileText::findValue(QByteArray("[S]\nk") + text[0] + "=1\n", "S", "k"),
                  trimmed ? std::optional<QString>("1") : std::nullopt)
            << static_cast<int>(text[0]);
    }
}

} // namespace

TEST_F(ProfileTest, OneReadingAnswersAsEachReadDoes) {
    const QByteArray files[] = {
        "[Styles]\r\nStyleFontSize1= 12\r\nName=\"Arial\"\r\n[Misc]\r\nBottomRow=x\r\n",
        "\xEF\xBB\xBF[Styles]\nstylefontsize1=7\nName=Ärial\n[Größe]\nBottomRow=3\n",
        "[Gr\xF6\xDF"
        "e]\rBottomRow=5\r[Styles]\rName\xC3\xA9=no\r",
        "",
    };
    const std::pair<QString, QString> keys[] = {
        {"Styles", "StyleFontSize1"}, {"styles", "NAME"},      {"Misc", "BottomRow"},
        {"Größe", "BottomRow"},       {"GRÖSSE", "BottomRow"}, {"Styles", "Namé"},
    };
    for (const QByteArray& file : files) {
        write(file);
        const Profile::Reader reader(path());
        for (const auto& [section, key] : keys) {
            EXPECT_EQ(reader.readString(section, key, "<default>", 4), text(section, key, 4))
                << file.constData() << " " << key.toStdString();
            EXPECT_EQ(reader.readInt(section, key, -1), Profile::readInt(section, key, -1, path()));
        }
        // What the reader read stays as it was read.
        write("[Styles]\r\nStyleFontSize1=99\r\n");
        EXPECT_NE(reader.readInt("Styles", "StyleFontSize1", -1), 99) << file.constData();
    }
    QFile::remove(path());
    EXPECT_EQ(Profile::Reader(path()).readString("S", "k", "none", 10), "none");
}

TEST(ProfileTextTest, SeveralKeysAtOnceGiveTheseFiles) {
    const struct {
        QByteArray before;
        QList<std::pair<QString, QString>> keys;
        QByteArray after;
    } cases[] = {
        // The last line, rewritten, ends in CR LF; new keys follow it without a blank line.
        {"[S]\nk=1", {{"k", "new"}, {"n", "1"}}, "[S]\nk=new\r\nn=1\r\n"},
        // A name given twice keeps its first place and spelling and its last value.
        {"[S]\nx=1\n\n[T]\n", {{"n", "2"}, {" N ", "3"}}, "[S]\nx=1\nn=3\r\n\n[T]\n"},
        {"[S]\nK = old\nk=dup\n", {{"k", "a"}, {"K", "b"}}, "[S]\nK=b\r\nk=dup\n"},
        // Found keys change in place, in file order, whatever the order asked.
        {"[S]\na=1\nb=2\n", {{"b", "3"}, {"c", "4"}, {"a", "5"}}, "[S]\na=5\r\nb=3\r\nc=4\r\n"},
        {"", {{"a", "1"}, {"b", "2"}}, "[S]\r\na=1\r\nb=2\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProfileText::withValues(c.before, "S", c.keys), c.after) << c.before.constData();
    }
}

TEST(ProfileTextTest, SeveralKeysMakeTheFileOneKeyAtATimeMakes) {
    const QByteArray files[] = {
        "",
        "\xEF\xBB\xBF",
        "[a]\rk=1\r[S]\rx=2\r\r[s]\rk=3",
        "; c\r\n[S]\r\nk=1\r\n\r\n[T]\r\nk=2\r\n",
        "x=1\n[ s ]\nK = old\n; note\n\n\n[T]\n",
        "\xEF\xBB\xBF[S]\nk=\xC3\xA9\n",
        "[T]\nk=1",
        "[S]\nk=1",
    };
    const QList<std::pair<QString, QString>> batches[] = {
        {{"k", "new"}, {"n1", "1"}, {"n2", "2"}, {"K", "again"}, {"n1", "3"}},
        // A letter Windows-1252 lacks turns the file into UTF-8 halfway through.
        {{"n1", "1"}, {"k", "ŝ"}, {"n2", "2"}},
        {{" n1 ", "x"}, {"n1", "y"}},
    };
    for (const QByteArray& file : files) {
        for (const auto& batch : batches) {
            QByteArray oneByOne = file;
            for (const auto& [key, value] : batch) {
                oneByOne = ProfileText::withValue(oneByOne, "S", key, value);
            }
            EXPECT_EQ(ProfileText::withValues(file, "S", batch), oneByOne) << file.constData();
        }
    }
}
