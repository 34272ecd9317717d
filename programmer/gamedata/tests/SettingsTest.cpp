#include "programmer/gamedata/ProgrammerSettings.h"
#include "programmer/gamedata/tests/GameFileFixture.h"

#include <gtest/gtest.h>

namespace {

using SettingsTest = GameFileFixture;

TEST_F(SettingsTest, DefaultsWithoutFileUseTheProgramFolder) {
    data.Settings.AlwaysChorded = 0;
    data.Settings.LastGamPath = "stale";
    data.ReadIniSettings();
    const ProgrammerSettings& s = data.Settings;
    EXPECT_EQ(s.Lastfolder, dir.path() + "/");
    EXPECT_EQ(s.LastTextfolder, dir.path() + "/");
    EXPECT_EQ(s.LastGamPath, "");
    EXPECT_EQ(s.LastGamName, "");
    EXPECT_EQ(s.LastTextFilePath, "");
    EXPECT_EQ(s.LastTextFileName, "");
    EXPECT_EQ(s.AlwaysChorded, 1);
    EXPECT_FALSE(QFile::exists(iniPath())); // reading creates nothing
}

TEST_F(SettingsTest, EmptyTextFolderFallsBackToTheGameFolder) {
    ASSERT_TRUE(writeBytes(iniPath(), "[Main options]\r\nLastfolder=/games/\r\nLastTextfolder=\r\n"
                                      "AlwaysChorded=\r\n"));
    data.ReadIniSettings();
    EXPECT_EQ(data.Settings.Lastfolder, "/games/");
    EXPECT_EQ(data.Settings.LastTextfolder, "/games/");
    EXPECT_EQ(data.Settings.AlwaysChorded, 1); // empty value: default

    // Also when the game folder itself came from its default.
    ASSERT_TRUE(writeBytes(iniPath(), "[main OPTIONS]\r\nlastfolder=\r\nAlwaysChorded=0\r\n"));
    data.ReadIniSettings();
    EXPECT_EQ(data.Settings.Lastfolder, dir.path() + "/");
    EXPECT_EQ(data.Settings.LastTextfolder, dir.path() + "/");
    EXPECT_EQ(data.Settings.AlwaysChorded, 0);
}

TEST_F(SettingsTest, WritesSevenKeysInOrderAndReadsThemBack) {
    ProgrammerSettings& s = data.Settings;
    s.Lastfolder = "/g/";
    s.LastGamPath = "/g/Caf\u00e9.gam";
    s.LastGamName = "Caf\u00e9.gam";
    s.LastTextfolder = "/t/";
    s.LastTextFilePath = "/t/keys.rtf";
    s.LastTextFileName = "keys.rtf";
    s.AlwaysChorded = 0;
    data.WriteIniSettings();
    EXPECT_EQ(bytesOf(iniPath()), "[Main options]\r\n"
                                  "Lastfolder=/g/\r\n"
                                  "LastGamPath=/g/Caf\xE9.gam\r\n"
                                  "LastGamName=Caf\xE9.gam\r\n"
                                  "LastTextfolder=/t/\r\n"
                                  "LastTextFilePath=/t/keys.rtf\r\n"
                                  "LastTextFileName=keys.rtf\r\n"
                                  "AlwaysChorded=0\r\n");

    const ProgrammerSettings written = s;
    s = ProgrammerSettings{};
    data.ReadIniSettings();
    EXPECT_EQ(s.Lastfolder, written.Lastfolder);
    EXPECT_EQ(s.LastGamPath, written.LastGamPath);
    EXPECT_EQ(s.LastGamName, written.LastGamName);
    EXPECT_EQ(s.LastTextfolder, written.LastTextfolder);
    EXPECT_EQ(s.LastTextFilePath, written.LastTextFilePath);
    EXPECT_EQ(s.LastTextFileName, written.LastTextFileName);
    EXPECT_EQ(s.AlwaysChorded, 0);
}

TEST_F(SettingsTest, WriteKeepsOtherKeysSectionsAndComments) {
    ASSERT_TRUE(writeBytes(iniPath(), "; Tavrin\r\n"
                                      "[Other]\r\nLastfolder=keep me\r\n\r\n"
                                      "[Main options]\r\nAlwaysChorded=1\r\nColour=red\r\n"
                                      "LASTFOLDER = old\r\n\r\n"
                                      "[Last]\r\nx=y\r\n"));
    data.Settings.Lastfolder = "/new/";
    data.Settings.AlwaysChorded = 1;
    data.WriteIniSettings();
    EXPECT_EQ(bytesOf(iniPath()), "; Tavrin\r\n"
                                  "[Other]\r\nLastfolder=keep me\r\n\r\n"
                                  "[Main options]\r\nAlwaysChorded=1\r\nColour=red\r\n"
                                  "LASTFOLDER=/new/\r\n"
                                  "LastGamPath=\r\nLastGamName=\r\nLastTextfolder=\r\n"
                                  "LastTextFilePath=\r\nLastTextFileName=\r\n\r\n"
                                  "[Last]\r\nx=y\r\n");
}

TEST_F(SettingsTest, ChordedToggleIsStoredAndSurvivesARestart) {
    data.ReadIniSettings();
    data.AssumeChordedKeys(false);
    EXPECT_EQ(data.Settings.AlwaysChorded, 0);

    GameData restarted{view, box};
    restarted.ProgramFolder = dir.path();
    restarted.ReadIniSettings();
    EXPECT_EQ(restarted.Settings.AlwaysChorded, 0);
    EXPECT_EQ(restarted.Settings.Lastfolder, dir.path() + "/");

    data.AssumeChordedKeys(true);
    restarted.ReadIniSettings();
    EXPECT_EQ(restarted.Settings.AlwaysChorded, 1);
}

TEST_F(SettingsTest, UnwritableFileChangesNothingAndReportsNothing) {
    ASSERT_TRUE(writeBytes(iniPath(), "[Main options]\r\nAlwaysChorded=0\r\n"));
    ASSERT_TRUE(QFile::setPermissions(iniPath(), QFile::ReadOwner));
    data.AssumeChordedKeys(true);
    EXPECT_EQ(bytesOf(iniPath()), "[Main options]\r\nAlwaysChorded=0\r\n");
    EXPECT_EQ(box.count(), 0u);
}

TEST(SettingsFolder, FolderOfKeepsTheSeparator) {
    EXPECT_EQ(ProgrammerSettings::FolderOf("/games/x/Doom.gam"), "/games/x/");
    EXPECT_EQ(ProgrammerSettings::FolderOf("/Doom.gam"), "/");
    EXPECT_EQ(ProgrammerSettings::FolderOf("Doom.gam"), "");
}

} // namespace

namespace {

// Linux file names often hold letters Windows-1252 lacks: they must come back as they were.
TEST_F(SettingsTest, PathsOutsideWindows1252SurviveARestart) {
    const QString games = "/home/\u043f\u0438\u043b\u043e\u0442/\u0418\u0433\u0440\u044b/";
    const QString cases[][2] = {
        {games + "\u041f\u0440\u0438\u0432\u0435\u0442.gam",
         "\u041f\u0440\u0438\u0432\u0435\u0442.gam"},
        {"/srv/\u00c9t\u00e9/\u4e2d\u6587.gam", "\u4e2d\u6587.gam"},
        {"/srv/plain/Caf\u00e9.gam", "Caf\u00e9.gam"},
    };
    for (const auto& [path, name] : cases) {
        SCOPED_TRACE(path.toStdString());
        data.Settings.LastGamPath = path;
        data.Settings.LastGamName = name;
        data.Settings.Lastfolder = ProgrammerSettings::FolderOf(path);
        data.WriteIniSettings();
        ProgrammerSettings back;
        back.Read(dir.path());
        EXPECT_EQ(back.LastGamPath, path);
        EXPECT_EQ(back.LastGamName, name);
        EXPECT_EQ(back.Lastfolder, ProgrammerSettings::FolderOf(path));
    }
    // The file went UTF-8 with the first such name and stayed so.
    EXPECT_TRUE(bytesOf(iniPath()).startsWith("\xEF\xBB\xBF"));
}

} // namespace
