#include "card_editor/card/CardDocument.h"
#include "card_editor/card/DefaultImages.h"
#include "card_editor/card/LeadingNumber.h"
#include "card_editor/card/PictureFolders.h"
#include "common/platform/FileSystem.h"
#include "common/platform/Profile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(LeadingNumber, SizeFieldsRoundDownWithinSixteenBits) {
    const std::pair<const char*, std::optional<qint16>> cases[] = {
        {"120", 120},
        {"12.7", 12},
        {"-0.5", -1},
        {"  -5", -5},
        {"abc", 0},
        {"", 0},
        {"7px", 7},
        {"+3", 3},
        {"32767", 32767},
        {"32767.9", 32767},
        {"-32768", -32768},
        {"32768", std::nullopt},
        {"40000", std::nullopt},
        {"-32768.5", std::nullopt},
        {"99999999999999999999999", std::nullopt},
        {"\xd9\xa3", 0}, // a digit, but not one a number is typed with here
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(LeadingNumber::wholeNumber(QString::fromUtf8(text)), expected) << text;
    }
}

TEST(PictureFolders, DrivesAreTheRootsAUserPicksFrom) {
    using M = PictureFolders::Mount;
    const QList<M> mounts = {{"/", "ext4"},          {"/proc", "proc"},
                             {"/media/usb", "vfat"}, {"/media/usb/", "vfat"},
                             {"/mnt/ram", "tmpfs"},  {"/run/media/ann/Photos", "exfat"},
                             {"/mnt", "ext4"},       {"/home", "ext4"},
                             {"/mnt/nas", "nfs4"},   {"/sys/fs/cgroup", "cgroup2"}};
    EXPECT_EQ(PictureFolders::drivesFrom("/home/ann", mounts),
              QStringList({"/", "/home/ann", "/media/usb", "/run/media/ann/Photos", "/mnt/nas"}));
    EXPECT_EQ(PictureFolders::drivesFrom("/", {}), QStringList({"/"}));

    const QStringList drives = {"/", "/home/ann", "/media/usb"};
    const std::pair<const char*, const char*> holders[] = {
        {"/home/ann/pictures", "/home/ann"}, {"/home/anna", "/"}, {"/media/usb", "/media/usb"},
        {"/media/usb/a/b", "/media/usb"},    {"/etc", "/"},       {"relative", "/"}};
    for (const auto& [path, drive] : holders) {
        EXPECT_EQ(PictureFolders::driveOf(path, drives), drive) << path;
    }
}

TEST(PictureFolders, ListsPicturesWhateverTheirLetterCaseAndSurvivesAVanishedFolder) {
    QTemporaryDir dir;
    for (const char* name : {"b.bmp", "A.JPG", "c.Gif", "d.wmf", "e.ICO", "f.png", "g.bmp.txt"}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir("Zed"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("alpha.bmp"));
    EXPECT_EQ(PictureFolders::matchingFiles(dir.path(), PictureFolders::picturePattern()),
              QStringList({"A.JPG", "b.bmp", "c.Gif", "d.wmf", "e.ICO"}));
    EXPECT_EQ(PictureFolders::subFolders(dir.path()),
              QStringList({dir.filePath("alpha.bmp"), dir.filePath("Zed")}));

    const QString gone = dir.filePath("Zed/deeper/gone");
    EXPECT_EQ(PictureFolders::nearestFolder(gone), dir.filePath("Zed"));
    EXPECT_TRUE(PictureFolders::matchingFiles(gone, PictureFolders::picturePattern()).isEmpty());
    EXPECT_TRUE(PictureFolders::subFolders(gone).isEmpty());
    EXPECT_EQ(PictureFolders::foldersLeadingTo("/a/b"), QStringList({"/", "/a", "/a/b"}));
    EXPECT_EQ(PictureFolders::pathOf("/", "Pic.bmp"), FileSystem::storedPathCase("/Pic.bmp"));
    EXPECT_EQ(PictureFolders::pathOf("/x/", "Pic.bmp"), FileSystem::storedPathCase("/x/Pic.bmp"));
}

TEST(DefaultImages, OneEntryPerGameNameKeptWhole) {
    QTemporaryDir dir;
    CardDocument doc;
    doc.programFolder = dir.path();
    const QString longPath =
        "/pictures/" + QString("very long folder name ").repeated(12) + "/p.bmp";
    struct Step {
        const char* game;
        QString imagePath;
        bool stored;
    };
    const Step steps[] = {
        {"", "/a.bmp", false},     // no game open
        {"Falcon", "none", false}, // no picture
        {"Falcon", "", false},     // no picture either
        {"Falcon", "/a.bmp", true},
        {"FALCON", longPath, true},    // the same game: names match whatever their case
        {"Bad=Name", "/b.bmp", false}, // a name that cannot be a key
    };
    for (const Step& step : steps) {
        doc.GameName = step.game;
        doc.ImagePath = step.imagePath;
        EXPECT_EQ(DefaultImages::save(doc), step.stored) << step.game;
    }
    doc.GameName = "falcon";
    EXPECT_EQ(DefaultImages::read(doc), longPath);
    doc.GameName = "Other";
    EXPECT_EQ(DefaultImages::read(doc), "none");
    Profile::writeString("Default images", "Other", "NONE", doc.iniPath());
    EXPECT_EQ(DefaultImages::read(doc), "none");
}

} // namespace
