#include "card_editor/card/CardSettings.h"
#include "card_editor/card/CardDocument.h"
#include "card_editor/card/RecentFiles.h"
#include "common/platform/FileSystem.h"
#include "common/platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class CardSettingsTest : public ::testing::Test {
protected:
    CardSettingsTest() { doc.programFolder = dir.path(); }

    void writeIni(const QStringList& lines) {
        ASSERT_TRUE(TextFile::writeLines(doc.iniPath(), lines));
    }
    QStringList iniLines() { return TextFile::readLines(doc.iniPath()).value_or(QStringList()); }
    void loadAll() {
        CardSettings::LoadFileLocations(doc);
        CardSettings::LoadStyles(doc);
        CardSettings::LoadBottomRow(doc);
    }

    QTemporaryDir dir;
    CardDocument doc;
};

TEST_F(CardSettingsTest, FirstStartGivesDefaultsAndMakesTheFolders) {
    loadAll();
    EXPECT_EQ(doc.GamDefaultDirectory, "");
    EXPECT_EQ(doc.TemplatesDirectory,
              FileSystem::storedPathCase(FileSystem::joinPath(dir.path(), "Templates")));
    EXPECT_EQ(doc.ImagesDirectory,
              FileSystem::storedPathCase(FileSystem::joinPath(dir.path(), "Images")));
    EXPECT_TRUE(FileSystem::folderExists(FileSystem::joinPath(dir.path(), "Templates")));
    EXPECT_TRUE(FileSystem::folderExists(FileSystem::joinPath(dir.path(), "Images")));
    EXPECT_EQ(doc.BitmapPath, ""); // no card picture beside the program
    const qint32 colours[] = {0, 0, 0x808080, 0x8000, 0xFF0000, 0xFF, 0xFF0000};
    for (int i = 1; i <= StyleCount; ++i) {
        EXPECT_EQ(doc.StyleFontName[i], "Arial");
        EXPECT_EQ(doc.StyleFontSize[i], 8);
        EXPECT_EQ(doc.StyleFontBold[i], 0);
        EXPECT_EQ(doc.StyleFontItalic[i], 0);
        EXPECT_EQ(doc.StyleFontUnderline[i], 0);
        EXPECT_EQ(doc.StyleFontColour[i], colours[i]) << i;
    }
    EXPECT_EQ(doc.BottomRow, 4);
    EXPECT_FALSE(QFile::exists(doc.iniPath())); // reading writes nothing

    // With the card picture beside the program, it becomes the default.
    QFile bmp(FileSystem::joinPath(dir.path(), "Gamecard.bmp"));
    ASSERT_TRUE(bmp.open(QIODevice::WriteOnly));
    bmp.close();
    CardSettings::LoadFileLocations(doc);
    EXPECT_EQ(doc.BitmapPath,
              FileSystem::storedPathCase(FileSystem::joinPath(dir.path(), "Gamecard.bmp")));
}

TEST_F(CardSettingsTest, StoredValuesWinAndAreCut) {
    const QString other = FileSystem::joinPath(dir.path(), "Elsewhere/Mixed Case");
    writeIni({"[FileLocations]", "TemplatesDirectory=" + other, "ImagesDirectory=" + other,
              "[Styles]", "StyleFontBold3=-1", "StyleFontName2=" + QString(60, 'F'),
              "StyleFontSize4=12abc", "StyleFontColour5=not a colour", "StyleFontColour6=  65280",
              "StyleFontSize1=99999", "[Miscellaneous]", "BottomRow=7"});
    loadAll();
    EXPECT_EQ(doc.TemplatesDirectory, FileSystem::storedPathCase(other));
    // The default folders beside the program are made all the same.
    EXPECT_TRUE(FileSystem::folderExists(FileSystem::joinPath(dir.path(), "Templates")));
    EXPECT_TRUE(FileSystem::folderExists(FileSystem::joinPath(dir.path(), "Images")));
    EXPECT_EQ(doc.StyleFontBold[3], -1);
    EXPECT_EQ(doc.StyleFontBold[2], 0);
    EXPECT_EQ(doc.StyleFontName[2], QString(49, 'F'));
    EXPECT_EQ(doc.StyleFontSize[4], 12);
    EXPECT_EQ(doc.StyleFontColour[5], 0);
    EXPECT_EQ(doc.StyleFontColour[6], 65280);
    EXPECT_EQ(doc.StyleFontSize[1], 32767); // out of 16 bits: held at the limit
    EXPECT_EQ(doc.BottomRow, 7);            // not checked here; the rebuild knows 7
}

TEST_F(CardSettingsTest, WritersKeepOtherSectionsAndReadBack) {
    writeIni({"; kept", "[Snap stuff]", "SnapMode=1", "[Previous Files]", "NumberPreviousFiles= 1",
              "PreviousFilePath1=/x/y.gam"});
    loadAll();
    doc.StyleFontName[6] = "Courier New";
    doc.StyleFontBold[6] = -1;
    doc.StyleFontColour[2] = 0x123456;
    doc.BottomRow = 0;
    doc.BitmapPath = "/some/where/card.bmp";
    CardSettings::SaveFileLocations(doc);
    CardSettings::SaveStyles(doc);
    CardSettings::SaveBottomRow(doc);

    const QStringList lines = iniLines();
    EXPECT_EQ(lines.mid(0, 6),
              (QStringList{"; kept", "[Snap stuff]", "SnapMode=1", "[Previous Files]",
                           "NumberPreviousFiles= 1", "PreviousFilePath1=/x/y.gam"}));
    EXPECT_TRUE(lines.contains("StyleFontName6=Courier New"));
    EXPECT_TRUE(lines.contains("StyleFontBold6=-1"));
    EXPECT_TRUE(lines.contains("StyleFontColour2=1193046"));
    EXPECT_TRUE(lines.contains("StyleFontSize1=8"));
    EXPECT_TRUE(lines.contains("BottomRow=0"));
    EXPECT_TRUE(lines.contains("BitmapPath=/some/where/card.bmp"));
    EXPECT_EQ(lines.filter(QRegularExpression("^StyleFont")).size(), 36);

    CardDocument back;
    back.programFolder = doc.programFolder;
    CardSettings::LoadFileLocations(back);
    CardSettings::LoadStyles(back);
    CardSettings::LoadBottomRow(back);
    EXPECT_EQ(back.StyleFontName, doc.StyleFontName);
    EXPECT_EQ(back.StyleFontColour, doc.StyleFontColour);
    EXPECT_EQ(back.StyleFontBold, doc.StyleFontBold);
    EXPECT_EQ(back.BottomRow, 0);
    EXPECT_EQ(back.BitmapPath, doc.BitmapPath);
    EXPECT_EQ(back.TemplatesDirectory, doc.TemplatesDirectory);
}

TEST_F(CardSettingsTest, RecentFilesReadAsStoredAndBounded) {
    writeIni({"[Previous Files]", "NumberPreviousFiles= 3", "AutoLoadRecent= 1",
              "PreviousFilePath1=/A/First.gam", "PreviousFilePath3=" + QString(120, 'p')});
    RecentFiles::LoadRecentFiles(doc);
    EXPECT_EQ(doc.AutoLoadRecent, 1);
    // A long path comes back whole.
    EXPECT_EQ(doc.RecentFiles, (QStringList{"/A/First.gam", "", QString(120, 'p')}));

    writeIni({"[Previous Files]", "NumberPreviousFiles=2000000000"});
    RecentFiles::LoadRecentFiles(doc);
    EXPECT_EQ(doc.RecentFiles.size(), RecentFiles::LoadLimit);
    writeIni({"[Previous Files]", "NumberPreviousFiles=-4"});
    RecentFiles::LoadRecentFiles(doc);
    EXPECT_TRUE(doc.RecentFiles.isEmpty());
    EXPECT_EQ(doc.AutoLoadRecent, 0);
}

// Folders with letters outside Windows-1252 are written so that they read back.
TEST_F(CardSettingsTest, FoldersOutsideWindows1252ReadBack) {
    loadAll();
    doc.GamDefaultDirectory = "/home/\u043f\u0438\u043b\u043e\u0442/\u0418\u0433\u0440\u044b";
    doc.BitmapPath = "/srv/\u5361\u7247/gamecard.bmp";
    CardSettings::SaveFileLocations(doc);
    CardSettings::SaveStyles(doc);
    CardDocument back;
    back.programFolder = doc.programFolder;
    CardSettings::LoadFileLocations(back);
    EXPECT_EQ(back.GamDefaultDirectory, FileSystem::storedPathCase(doc.GamDefaultDirectory));
    EXPECT_EQ(back.BitmapPath, FileSystem::storedPathCase(doc.BitmapPath));
    EXPECT_FALSE(iniLines().join("").contains(u'?'));
}

} // namespace
