#include "card_editor/card/TemplateFile.h"
#include "card_editor/card/CardDocument.h"
#include "card_editor/card/RecentFiles.h"
#include "card_editor/card/TemplateFolder.h"
#include "common/platform/FileSystem.h"
#include "common/platform/TextFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(TemplateFile, PicturePathsReadBackWholeAndTheBoxesKeepTheirNumbers) {
    CardLayout layout = builtInLayout();
    layout.pictureVisible = false;
    layout.boxes[34] = {1, 2, 3, 4};
    const struct {
        QString path;
        bool utf8;
    } cases[] = {
        {"none", false},
        {"C:\\Pictures\\Spitfire, Mk IX.bmp", false},
        {"/home/Zoë/Bilder/Café.png", false},
        {"/home/Ωmega/Їжак, 2.png", true},
    };
    for (const auto& c : cases) {
        const std::optional<QByteArray> bytes = TemplateFile::bytes(layout, c.path);
        ASSERT_TRUE(bytes.has_value()) << c.path.toStdString();
        EXPECT_EQ(bytes->startsWith("\xEF\xBB\xBF"), c.utf8) << c.path.toStdString();
        EXPECT_EQ(bytes->count("\r\n"), 37);
        const TemplateFile::Read read = TemplateFile::read(*bytes);
        EXPECT_EQ(read.imagePath, c.path);
        CardLayout back;
        LayoutFile::apply(read.layout, back);
        EXPECT_EQ(back, layout) << c.path.toStdString();
        // The layout lines of such a file read as a layout file too.
        CardLayout asLayout = back;
        asLayout.boxes[34] = {};
        LayoutFile::apply(LayoutFile::read(*bytes), asLayout);
        EXPECT_EQ(asLayout.picture, layout.picture);
    }
    EXPECT_FALSE(TemplateFile::bytes(layout, "/a\nb.png").has_value());
}

TEST(TemplateFile, DamagedFilesGiveOnlyWhatTheyHold) {
    const struct {
        QByteArray bytes;
        bool picture;
        std::optional<bool> visible;
        std::optional<QString> path;
        int boxes;
    } cases[] = {
        {"", false, {}, {}, 0},
        {" 1  2  3  4  1 ", true, true, {}, 0},
        {" 1  2  3  4  2 \r\n   /p/x.png\r\n 5 6 7 8\r\n", true, false, "/p/x.png", 1},
        {" 1  2  3  4  1 \r\nnone\r\n 5 6 7 99999\r\n 5 6 7 8\r\n", true, true, "none", 0},
        {" 1  2  -3  4  1 \nnone\n 5 6 7 8\n 1 1 1 -1\n 2 2 2 2", false, true, "none", 2},
        {QByteArray("\x00\xff\x13garbage\r\n\x01\x02", 14), false, {}, QString("\x01\x02"), 0},
    };
    for (const auto& c : cases) {
        const TemplateFile::Read read = TemplateFile::read(c.bytes);
        EXPECT_EQ(read.layout.picture.has_value(), c.picture) << c.bytes.toStdString();
        EXPECT_EQ(read.layout.pictureVisible, c.visible) << c.bytes.toStdString();
        EXPECT_EQ(read.imagePath, c.path) << c.bytes.toStdString();
        const int boxes = int(std::count_if(read.layout.boxes.begin(), read.layout.boxes.end(),
                                            [](const auto& box) { return box.has_value(); }));
        EXPECT_EQ(boxes, c.boxes) << c.bytes.toStdString();
    }
}

TEST(TemplateFolder, ListsFoldersButNotTempNorFiles) {
    QTemporaryDir dir;
    for (const char* folder : {"temp", "Temp", "race", ".hidden", "with\\backslash"}) {
        ASSERT_TRUE(QDir(dir.path()).mkdir(folder));
    }
    ASSERT_TRUE(TextFile::writeLines(FileSystem::joinPath(dir.path(), "stray.qlt"), {"x"}));
    EXPECT_EQ(TemplateFolder::templateNames(dir.path()), (QStringList{"Temp", "race"}));
    EXPECT_TRUE(TemplateFolder::templateNames(dir.path() + "/missing").isEmpty());

    const QString file = TemplateFolder::fileOf(dir.path(), "race");
    EXPECT_EQ(file, FileSystem::joinPath(dir.path(), "race/race.qlt"));
    EXPECT_EQ(TemplateFolder::nameOfFolder(TemplateFolder::folderOfFile(file)), "race");
}

class RecentFilesTest : public ::testing::Test {
protected:
    RecentFilesTest() { doc.programFolder = dir.path(); }
    void add(const QString& path) {
        doc.CurrentFile = path;
        RecentFiles::AddToRecentFiles(doc);
    }
    QTemporaryDir dir;
    CardDocument doc;
};

TEST_F(RecentFilesTest, OrderAndLimit) {
    const struct {
        QStringList before;
        QString added;
        QStringList after;
    } cases[] = {
        {{}, "/a", {"/a"}},
        {{"/a", "/b"}, "/a", {"/a", "/b"}},
        {{"/a", "/b"}, "/x\ny", {"/a", "/b"}}, // no line can hold it
        {{"/a", "/b", "/c", "/d"}, "/c", {"/c", "/a", "/b", "/d"}},
        {{"/a", "/b"}, "/n", {"/n", "/a", "/b"}},
    };
    for (const auto& c : cases) {
        doc.RecentFiles = c.before;
        add(c.added);
        EXPECT_EQ(doc.RecentFiles, c.after) << c.added.toStdString();
        // Written, the count keeps its leading blank.
        EXPECT_TRUE(TextFile::readLines(doc.iniPath())
                        ->contains(QStringLiteral("NumberPreviousFiles= %1").arg(c.after.size())));
    }

    QStringList full;
    for (int i = 1; i <= 32; ++i) {
        full << QStringLiteral("/f%1").arg(i);
    }
    doc.RecentFiles = full.mid(0, 30);
    add("/new");
    EXPECT_EQ(doc.RecentFiles, QStringList{"/new"} + full.mid(0, 29));
    // A longer hand-made list: only the entries up to the limit move.
    doc.RecentFiles = full;
    add("/new");
    EXPECT_EQ(doc.RecentFiles, QStringList{"/new"} + full.mid(0, 29) + full.mid(30));

    // What was written comes back at the next start, long paths whole.
    const QString longPath = "/" + QString(300, 'x') + "/card & co.qlt";
    add(longPath);
    CardDocument next;
    next.programFolder = dir.path();
    RecentFiles::LoadRecentFiles(next);
    EXPECT_EQ(next.RecentFiles, doc.RecentFiles);
    EXPECT_EQ(next.RecentFiles.front(), longPath);
}

TEST_F(RecentFilesTest, ClearingKeepsTheKeysEmpty) {
    add("/a");
    add("/b");
    doc.AutoLoadRecent = 1;
    RecentFiles::SaveAutoLoad(doc);
    RecentFiles::ClearRecentFiles(doc);
    EXPECT_TRUE(doc.RecentFiles.isEmpty());
    EXPECT_EQ(TextFile::readLines(doc.iniPath()),
              (QStringList{"[Previous Files]", "NumberPreviousFiles= 0",
                           "PreviousFilePath1=", "PreviousFilePath2=", "AutoLoadRecent= 0"}));
}

} // namespace
