#include "programmer/gamedata/tests/GameFileFixture.h"

#include "common/platform/MessageBox.h"
#include "tests/support/ScriptedCommonDialog.h"

#include <QDir>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

class GameFileSaveTest : public GameFileFixture {
protected:
    GameFileSaveTest() {
        data.ReadIniSettings();
        data.SetupNewFile();
        view.calls.clear();
    }

    bool SaveAs(const QString& name) {
        data.SavePath = path(name);
        data.SaveTitle = name;
        return data.SaveGAMfile();
    }

    // The lines of the saved file, split at CR LF; fails when a line end is anything else.
    QList<QByteArray> SavedLines(const QString& name) {
        QByteArray bytes = bytesOf(path(name));
        EXPECT_TRUE(bytes.endsWith("\r\n"));
        bytes.chop(2);
        const QList<QByteArray> lines = bytes.split('\n');
        QList<QByteArray> result;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QByteArray line = lines[i];
            EXPECT_TRUE(i == lines.size() - 1 || line.endsWith('\r')) << "line " << i + 1;
            if (line.endsWith('\r')) {
                line.chop(1);
            }
            result.append(line);
        }
        return result;
    }
};

QByteArray Repeat(const QByteArray& group, int times) {
    return group.repeated(times);
}

TEST_F(GameFileSaveTest, EmptyNewFileIsExactly286Lines) {
    ASSERT_TRUE(SaveAs("Empty.gam"));
    QByteArray expected = "Unknown\r\n";
    expected += Repeat(Repeat("$FF ", 14) + "\r\n", 140);
    expected += Repeat(Repeat("$00 ", 14) + "\r\n", 140);
    expected += Repeat(Repeat("$00 ", 28) + "\r\n", 5);
    EXPECT_EQ(bytesOf(path("Empty.gam")), expected);
    EXPECT_EQ(data.SaveSucceeded, 1);
}

TEST_F(GameFileSaveTest, SuccessRecordsTheFileInStateSettingsAndStatusBar) {
    data.Settings.AlwaysChorded = 0;
    ASSERT_TRUE(SaveAs("Doom.gam"));
    EXPECT_EQ(data.CurrentFilePath, path("Doom.gam"));
    EXPECT_EQ(data.CurrentFileTitle, "Doom.gam");
    EXPECT_EQ(data.SavedStatus, GameData::SavedFile);
    EXPECT_EQ(view.panels[2], "Saved");
    EXPECT_EQ(view.panels[3], "Doom.gam");
    EXPECT_EQ(box.count(), 0u);

    data.Settings = ProgrammerSettings{};
    data.ReadIniSettings();
    EXPECT_EQ(data.Settings.LastGamPath, path("Doom.gam"));
    EXPECT_EQ(data.Settings.LastGamName, "Doom.gam");
    EXPECT_EQ(data.Settings.Lastfolder, dir.path() + "/");
    EXPECT_EQ(data.Settings.AlwaysChorded, 0);
}

TEST_F(GameFileSaveTest, TitleWithAddedExtensionStillRemembersTheRealFolder) {
    data.SavePath = path("Doom");
    data.SaveTitle = "Doom.gam";
    ASSERT_TRUE(data.SaveGAMfile());
    EXPECT_EQ(data.Settings.Lastfolder, dir.path() + "/");
}

TEST_F(GameFileSaveTest, ProgrammedRecordsLandOnTheirLinesAndColumns) {
    ButtonRecord& last = *data.Record(5, 28);
    last.NumKeyPresses = 2;
    last.setKeyPressLen(1, 11); // SHF a
    last.setKeyPressLen(2, 42); // RCTL RALT DEL
    const char* codes[] = {"12", "1C", "E0", "14", "E0", "11", "E0", "71"};
    for (int j = 1; j <= 8; ++j) {
        last.setKeyCodeByte(j, codes[j - 1]);
    }
    last.Description = "Sixteen chars ok";
    ButtonRecord& first = *data.Record(2, 3);
    first.NumKeyPresses = 14;
    first.setKeyPressLen(14, 9);
    first.Description = "Fire";
    data.GameName = "Hexen";
    ASSERT_TRUE(SaveAs("Hexen.gam"));

    const QList<QByteArray> lines = SavedLines("Hexen.gam");
    ASSERT_EQ(lines.size(), 288);
    EXPECT_EQ(lines[0], "Hexen");
    // Code bytes of mode 5, record 28: line 1 + 28 * 4 + 28.
    EXPECT_EQ(lines[141 - 1], "$12 $1C $E0 $14 $E0 $11 $E0 $71 " + Repeat("$FF ", 6));
    // Length codes: line 141 + 28 * 4 + 28, and mode 2 record 3 at 141 + 28 + 3.
    EXPECT_EQ(lines[281 - 1], "$0B $2A " + Repeat("$00 ", 12));
    EXPECT_EQ(lines[172 - 1], Repeat("$00 ", 13) + "$09 ");
    // Press counts: group r of line 281 + m at columns 4r - 3 .. 4r.
    EXPECT_EQ(lines[286 - 1].mid(108, 4), "$02 ");
    EXPECT_EQ(lines[283 - 1].mid(8, 4), "$0E ");
    EXPECT_EQ(lines[283 - 1].size(), 112);
    EXPECT_EQ(lines[282 - 1], Repeat("$00 ", 28));
    // Descriptions in mode order, then record order.
    EXPECT_EQ(lines[287 - 1], "$02 $03 $04 Fire");
    EXPECT_EQ(lines[288 - 1], "$05 $1C $10 Sixteen chars ok");
    // Everything else stays blank.
    for (int n = 2; n <= 141; ++n) {
        if (n != 141) {
            EXPECT_EQ(lines[n - 1], Repeat("$FF ", 14)) << "line " << n;
        }
    }
}

TEST_F(GameFileSaveTest, CountOfADescriptionIsOfTheCharactersWritten) {
    // A character beyond the basic plane is two in memory but one "?" in the file; counting
    // it twice would give the description the blank before it when read back.
    data.Record(1, 1)->Description = QString::fromUtf8("Go \xF0\x9F\x9A\x80!");
    ASSERT_TRUE(SaveAs("Rocket.gam"));
    EXPECT_EQ(SavedLines("Rocket.gam").at(287 - 1), "$01 $01 $05 Go ?!");

    data.Settings.LastGamPath = path("Rocket.gam");
    data.Settings.LastGamName = "Rocket.gam";
    data.ReopenLastGamFile = 1;
    ScriptedCommonDialog dialog;
    ASSERT_TRUE(data.OpenGamFile(dialog));
    EXPECT_EQ(data.Record(1, 1)->Description, "Go ?!");
}

TEST_F(GameFileSaveTest, GameNameOfFewerThanTwoCharactersBecomesUnknown) {
    for (const QString& name : {QString(), QStringLiteral("Q")}) {
        data.GameName = name;
        ASSERT_TRUE(SaveAs("Named.gam"));
        EXPECT_EQ(data.GameName, "Unknown");
        EXPECT_EQ(SavedLines("Named.gam").at(0), "Unknown");
    }
    data.GameName = "Qu";
    ASSERT_TRUE(SaveAs("Named.gam"));
    EXPECT_EQ(data.GameName, "Qu");
    EXPECT_EQ(SavedLines("Named.gam").at(0), "Qu");
}

class GameFileFailedSaveTest : public GameFileSaveTest {
protected:
    // Saves to target after a good save of "Good.gam"; expects the failure to change nothing
    // but the message and SaveSucceeded.
    void ExpectFailedSave(const QString& target, const QString& title) {
        data.Settings.AlwaysChorded = 0;
        ASSERT_TRUE(SaveAs("Good.gam"));
        data.UpdateSavedStatus(GameData::Modified);
        data.Record(1, 1)->Description = "changed";
        const QByteArray ini = bytesOf(iniPath());
        const QByteArray oldTarget = bytesOf(target);

        data.SavePath = target;
        data.SaveTitle = title;
        box.queueAnswer(MsgAnswer::Ok);
        EXPECT_FALSE(data.SaveGAMfile());
        EXPECT_EQ(data.SaveSucceeded, 0);
        ASSERT_EQ(box.count(), 1u);
        EXPECT_EQ(box.last().style, MsgStyle::Critical);
        EXPECT_EQ(box.last().title, "Problem: The gam file wasn't saved");
        const QString lead = title + " was not saved correctly. Tavrin error message follows: ";
        EXPECT_TRUE(box.last().text.startsWith(lead)) << box.last().text.toStdString();
        EXPECT_GT(box.last().text.size(), lead.size() + 1); // the system's reason is given
        EXPECT_TRUE(box.last().text.endsWith('.'));

        EXPECT_EQ(bytesOf(target), oldTarget);
        EXPECT_EQ(bytesOf(iniPath()), ini);
        EXPECT_EQ(data.CurrentFilePath, path("Good.gam"));
        EXPECT_EQ(data.CurrentFileTitle, "Good.gam");
        EXPECT_EQ(data.SavedStatus, GameData::Modified);
        EXPECT_EQ(view.panels[2], "Modified");
        EXPECT_EQ(view.panels[3], "Good.gam");
    }
};

TEST_F(GameFileFailedSaveTest, FolderInThePlace) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("Folder.gam"));
    ExpectFailedSave(path("Folder.gam"), "Folder.gam");
}

TEST_F(GameFileFailedSaveTest, ReadOnlyFileKeepsItsBytes) {
    ASSERT_TRUE(writeBytes(path("Old.gam"), "old content\r\n"));
    ASSERT_TRUE(QFile::setPermissions(path("Old.gam"), QFile::ReadOwner));
    ExpectFailedSave(path("Old.gam"), "Old.gam");
    EXPECT_EQ(bytesOf(path("Old.gam")), "old content\r\n");
}

TEST_F(GameFileFailedSaveTest, MissingFolder) {
    ExpectFailedSave(path("nowhere/x.gam"), "x.gam");
}

// A shared folder the user may not write still lets the user save a file there that the user
// may write (root, for whom the folder is no obstacle, is covered by the platform tests).
TEST_F(GameFileFailedSaveTest, ReadOnlyFolderWritesTheFileInPlace) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "permissions do not stop root";
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir("locked"));
    const QString target = path("locked/Old.gam");
    ASSERT_TRUE(writeBytes(target, "old\r\n"));
    ASSERT_TRUE(QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::ExeOwner));
    data.SavePath = target;
    data.SaveTitle = "Old.gam";
    EXPECT_TRUE(data.SaveGAMfile());
    QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // The file written in place holds what a save anywhere else holds, and nothing of the old.
    data.SavePath = path("Free.gam");
    ASSERT_TRUE(data.SaveGAMfile());
    EXPECT_EQ(bytesOf(target), bytesOf(path("Free.gam")));
}

TEST_F(GameFileFailedSaveTest, LaterSaveToTheSameFileSucceeds) {
    ASSERT_TRUE(writeBytes(path("Old.gam"), "old\r\n"));
    ASSERT_TRUE(QFile::setPermissions(path("Old.gam"), QFile::ReadOwner));
    ExpectFailedSave(path("Old.gam"), "Old.gam");
    // Nothing was left open or half-written: once writable, the same file saves.
    ASSERT_TRUE(QFile::setPermissions(path("Old.gam"), QFile::ReadOwner | QFile::WriteOwner));
    data.SavePath = path("Old.gam");
    EXPECT_TRUE(data.SaveGAMfile());
    EXPECT_EQ(SavedLines("Old.gam").size(), 287);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"Good.gam", "Old.gam", "Tavrin.ini"}));
}

} // namespace
