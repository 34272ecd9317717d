// What a game file can never do: open half-way from a file that cannot be read, or carry a
// line break inside a field that shifts the lines after it.
#include "programmer/gamedata/GameFile.h"
#include "programmer/gamedata/tests/GameFileFixture.h"

#include "common/platform/Cp1252.h"
#include "common/platform/MessageBox.h"
#include "tests/support/ScriptedCommonDialog.h"

#include <QDir>
#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

class GameFileGuardTest : public GameFileFixture {
protected:
    ScriptedCommonDialog dialog;
};

struct Unreadable {
    const char* what;
    const char* name;
    void (*make)(const QString& path);
    const char* reason;
};

const Unreadable kUnreadable[] = {
    {"missing file", "Gone.gam", [](const QString&) {}, "No such file"},
    {"folder", "Folder.gam", [](const QString& p) { ASSERT_TRUE(QDir().mkdir(p)); },
     "It is a folder"},
    {"pipe", "Pipe.gam",
     [](const QString& p) { ASSERT_EQ(mkfifo(QFile::encodeName(p).constData(), 0600), 0); },
     "Not a regular file"},
};

TEST_F(GameFileGuardTest, AnUnreadableFileChangesNothing) {
    for (const bool reopen : {true, false}) {
        for (const Unreadable& c : kUnreadable) {
            SCOPED_TRACE(testing::Message() << c.what << (reopen ? " at start" : " chosen"));
            QTemporaryDir folder;
            const QString file = folder.filePath(c.name);
            c.make(file);
            data.GameName = "Kept";
            data.Record(2, 5)->Description = "Fire";
            data.CurrentFilePath = path("Kept.gam");
            data.CurrentFileTitle = "Kept.gam";
            data.UpdateSavedStatus(GameData::Modified);
            data.Settings.LastGamPath = reopen ? file : path("Kept.gam");
            data.Settings.LastGamName = reopen ? c.name : "Kept.gam";
            const ProgrammerSettings settings = data.Settings;
            data.ReopenLastGamFile = reopen ? 1 : 0;
            if (!reopen) {
                dialog.queueOpen(file);
            }
            box.queueAnswer(MsgAnswer::Ok);

            EXPECT_FALSE(data.OpenGamFile(dialog));
            ASSERT_EQ(box.count(), 1u);
            EXPECT_EQ(box.last().style, MsgStyle::Exclamation);
            EXPECT_EQ(box.last().title, "Can't read the game file");
            EXPECT_EQ(box.last().text, "I couldn't read the game file " + file +
                                           ", so I've left everything as it was. The system "
                                           "says: " +
                                           c.reason + ".");
            EXPECT_EQ(data.ReopenLastGamFile, 0);
            EXPECT_EQ(data.GameName, "Kept");
            EXPECT_EQ(data.Record(2, 5)->Description, "Fire");
            EXPECT_EQ(data.SavedStatus, GameData::Modified);
            EXPECT_EQ(data.CurrentFilePath, path("Kept.gam"));
            EXPECT_EQ(data.CurrentFileTitle, "Kept.gam");
            EXPECT_EQ(data.Settings.LastGamPath, settings.LastGamPath);
            EXPECT_EQ(data.Settings.Lastfolder, settings.Lastfolder);
            EXPECT_EQ(view.panels[1], QStringLiteral(" ") + c.name + " was not opened.");
            EXPECT_FALSE(QFile::exists(iniPath()));
            box.clear();
        }
    }
}

// Lines as the file holds them: CR LF ends each, and nothing else may.
QList<QByteArray> crLfLines(const QByteArray& bytes, bool* clean) {
    QList<QByteArray> lines = bytes.split('\n');
    *clean = bytes.endsWith("\r\n");
    lines.removeLast();
    for (QByteArray& line : lines) {
        *clean = *clean && line.endsWith('\r') && line.count('\r') == 1;
        line.chop(1);
    }
    return lines;
}

QString randomText(QRandomGenerator& random, int maxLength) {
    static const char16_t kPieces[] = {u'a',      u'Z',      u' ',      u'$',      u'\r', u'\n',
                                       u'\u00e9', u'\u20ac', u'\u0416', u'\u2028', u'?',  u'0'};
    QString text;
    const int length = static_cast<int>(random.bounded(maxLength + 1));
    for (int i = 0; i < length; ++i) {
        text += QChar(kPieces[random.bounded(static_cast<int>(std::size(kPieces)))]);
    }
    return text;
}

// Whatever the game name and descriptions hold, the file has the format's line count, and
// reading it back gives every record and the name, line breaks turned into blanks.
TEST_F(GameFileGuardTest, AnyTextKeepsTheLineCount) {
    QRandomGenerator random(20261208);
    const QString file = path("Fuzzed.gam");
    for (int round = 0; round < 60; ++round) {
        SCOPED_TRACE(round);
        int programmed = 0;
        for (int m = 1; m <= 5; ++m) {
            for (int r = 1; r <= 28; ++r) {
                const QString text = random.bounded(3) == 0 ? randomText(random, 16) : QString();
                data.Record(m, r)->Description = text;
                programmed += text.isEmpty() ? 0 : 1;
            }
        }
        data.GameName = randomText(random, 40);
        const QString name = data.GameName.size() < 2 ? "Unknown" : data.GameName;
        data.SavePath = file;
        data.SaveTitle = "Fuzzed.gam";
        ASSERT_TRUE(data.SaveGAMfile());

        bool clean = false;
        const QList<QByteArray> lines = crLfLines(bytesOf(file), &clean);
        EXPECT_TRUE(clean);
        EXPECT_EQ(lines.size(), GameFile::FixedLines + programmed);

        RecordingView otherView;
        GameData back{otherView, box};
        back.ProgramFolder = dir.path();
        back.Settings.LastGamPath = file;
        back.Settings.LastGamName = "Fuzzed.gam";
        back.ReopenLastGamFile = 1;
        ASSERT_TRUE(back.OpenGamFile(dialog));
        const auto asStored = [](const QString& text) {
            return GameFile::WithoutLineBreaks(Cp1252::decode(Cp1252::encode(text)));
        };
        EXPECT_EQ(back.GameName, asStored(name));
        for (int m = 1; m <= 5; ++m) {
            for (int r = 1; r <= 28; ++r) {
                EXPECT_EQ(back.Record(m, r)->Description, asStored(data.Record(m, r)->Description));
            }
        }
    }
}

// A game file saved by an editor as UTF-8 with its mark reads as UTF-8; what Windows-1252
// lacks is saved as "?", and no field ever takes more or fewer columns than it had.
TEST_F(GameFileGuardTest, Utf8FilesReadAndSaveInTheirColumns) {
    QByteArray bytes = "\xEF\xBB\xBF"
                       "Caf\xC3\xA9 \xD0\x98\r\n";
    for (int n = 0; n < 140; ++n) {
        // A character outside the basic plane in the first field of every code-byte line.
        bytes += n == 0 ? "$\xF0\x9F\x98\x80 " + QByteArray("$FF ").repeated(13) + "\r\n"
                        : QByteArray("$FF ").repeated(14) + "\r\n";
    }
    bytes += QByteArray("$00 ").repeated(14).append("\r\n").repeated(140);
    bytes += QByteArray("$00 ").repeated(28).append("\r\n").repeated(5);
    bytes += "$01 $01 $02 \xC3\xA9\xD0\x98\r\n";
    ASSERT_TRUE(writeBytes(path("Utf8.gam"), bytes));
    data.Settings.LastGamPath = path("Utf8.gam");
    data.Settings.LastGamName = "Utf8.gam";
    data.ReopenLastGamFile = 1;
    ASSERT_TRUE(data.OpenGamFile(dialog));
    EXPECT_EQ(data.GameName, "Caf\u00e9 \u0418");
    EXPECT_EQ(data.Record(1, 1)->Description, "\u00e9\u0418");
    EXPECT_EQ(data.Record(1, 1)->KeyCodeByte(1).size(), 2);

    data.SavePath = path("Saved.gam");
    data.SaveTitle = "Saved.gam";
    ASSERT_TRUE(data.SaveGAMfile());
    bool clean = false;
    const QList<QByteArray> lines = crLfLines(bytesOf(path("Saved.gam")), &clean);
    EXPECT_TRUE(clean);
    ASSERT_EQ(lines.size(), GameFile::FixedLines + 1);
    EXPECT_EQ(lines[0], "Caf\xE9 ?");
    for (int n = 1; n <= 140; ++n) {
        EXPECT_EQ(lines[n].size(), 56) << n;
    }
    EXPECT_EQ(lines[286], "$01 $01 $02 \xE9?");
}

} // namespace
