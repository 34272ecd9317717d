#include "common/platform/FileSystem.h"
#include "tests/support/FailingSync.h"
#include "tests/support/FileSizeLimit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Runs write with folder closed to new files, as a user who owns file. Root passes every
// permission test, so where the tests run as root the write runs as the user nobody.
template <typename Write>
bool inClosedFolder(const QTemporaryDir& dir, const QString& folder, const QString& file,
                    Write write) {
    const uid_t nobody = 65534;
    const bool asRoot = geteuid() == 0;
    if (asRoot) {
        EXPECT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
        EXPECT_EQ(chown(QFile::encodeName(file).constData(), nobody, nobody), 0);
    }
    EXPECT_EQ(chmod(QFile::encodeName(folder).constData(), 0555), 0);
    if (asRoot && seteuid(nobody) != 0) {
        ADD_FAILURE() << "cannot become nobody";
        return false;
    }
    const bool written = write();
    if (asRoot) {
        EXPECT_EQ(seteuid(0), 0);
    }
    chmod(QFile::encodeName(folder).constData(), 0755);
    return written;
}

ino_t inodeOf(const QString& path) {
    struct stat info {};
    return stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

void touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(FileSystem, TellsFilesFromFolders) {
    QTemporaryDir dir;
    const QString file = dir.filePath("a.gam");
    touch(file);
    EXPECT_TRUE(FileSystem::fileExists(file));
    EXPECT_FALSE(FileSystem::folderExists(file));
    EXPECT_TRUE(FileSystem::folderExists(dir.path()));
    EXPECT_FALSE(FileSystem::fileExists(dir.path()));
    EXPECT_FALSE(FileSystem::fileExists(dir.filePath("none")));
    EXPECT_FALSE(FileSystem::fileExists(""));
    EXPECT_FALSE(FileSystem::folderExists(""));

    const QString folder = dir.filePath("Templates");
    EXPECT_TRUE(FileSystem::makeFolder(folder));
    EXPECT_TRUE(FileSystem::folderExists(folder));
    EXPECT_TRUE(FileSystem::makeFolder(folder)); // already there
    EXPECT_FALSE(FileSystem::makeFolder(file));
    EXPECT_FALSE(FileSystem::makeFolder(dir.filePath("x/y")));

    EXPECT_FALSE(FileSystem::deleteFile(folder));
    EXPECT_TRUE(FileSystem::folderExists(folder));
    EXPECT_TRUE(FileSystem::deleteFile(file));
    EXPECT_FALSE(FileSystem::fileExists(file));
    EXPECT_FALSE(FileSystem::deleteFile(file));
}

// Tests run as root, for whom every file is writable: only the permission bit tells.
TEST(FileSystem, ReadOnlyIsTheClearedOwnerWriteBit) {
    QTemporaryDir dir;
    const QString file = dir.filePath("Locked.gam");
    touch(file);
    EXPECT_FALSE(FileSystem::isReadOnly(file));
    ASSERT_TRUE(QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup |
                                                QFile::WriteGroup | QFile::WriteOther));
    EXPECT_TRUE(FileSystem::isReadOnly(file));
    EXPECT_FALSE(FileSystem::deleteFile(file));
    EXPECT_TRUE(FileSystem::fileExists(file));
    EXPECT_FALSE(FileSystem::isReadOnly(dir.filePath("missing")));
}

TEST(FileSystem, ReadsRegularFilesOnly) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("pipe");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // Reading a pipe nobody writes to would wait for ever.
    EXPECT_FALSE(FileSystem::readFile(fifo).has_value());
    EXPECT_FALSE(FileSystem::replaceFile(fifo, "x"));
    EXPECT_FALSE(FileSystem::readFile(dir.path()).has_value());

    const QString file = dir.filePath("f");
    ASSERT_TRUE(FileSystem::replaceFile(file, QByteArray("a\0b", 3)));
    EXPECT_EQ(FileSystem::readFile(file), QByteArray("a\0b", 3));
}

TEST(FileSystem, ReplacingAFileKeepsItsPermissions) {
    QTemporaryDir dir;
    const QString file = dir.filePath("Quillet.ini");
    touch(file);
    const auto permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(file, permissions));
    ASSERT_TRUE(FileSystem::replaceFile(file, "x"));
    EXPECT_EQ(QFile::permissions(file) & 0x7077, permissions);
}

TEST(FileSystem, WritesInPlaceWhereNoTemporaryFileFits) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("Images");
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString file = folder + "/capture.bmp";
    ASSERT_TRUE(FileSystem::replaceFile(file, "old"));
    EXPECT_TRUE(
        inClosedFolder(dir, folder, file, [&] { return FileSystem::replaceFile(file, "new"); }));
    EXPECT_EQ(FileSystem::readFile(file), QByteArray("new"));
}

// A write cut short (by a file size limit here, as by a full disk) or whose sync fails keeps the
// old file and gives the system's reason: for content within Qt's write buffer and past it, and
// for a file written in place, whose old content is written back; when even that does not fit,
// the reason says so.
TEST(FileSystem, AWriteCutShortKeepsTheOldFileAndSaysWhy) {
    const QByteArray small(600, 'o');
    struct Row {
        const char* what;
        qsizetype size;
        bool inPlace;
        QByteArray before;
        const char* why;
        bool syncFails = false;
    };
    const Row rows[] = {
        {"within the write buffer", 3500, false, small, "File too large"},
        {"past the write buffer", 40000, false, small, "File too large"},
        {"in place", 3500, true, small, "File too large"},
        {"in place, the old content past the limit too", 3500, true, QByteArray(2000, 'o'),
         "File too large; the old content could not be written back either: File too large"},
        {"synced in vain", 600, false, small, "Input/output error", true},
        {"in place, synced in vain", 600, true, small, "Input/output error", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        QTemporaryDir dir;
        const QString folder = dir.filePath("Games");
        ASSERT_TRUE(QDir().mkdir(folder));
        const QString file = folder + "/keys.rtf";
        ASSERT_TRUE(FileSystem::replaceFile(file, row.before));
        const ino_t inode = inodeOf(file);
        QString why;
        const auto write = [&] {
            std::optional<FailingSync> failingSync;
            if (row.syncFails) {
                failingSync.emplace(folder);
            }
            const FileSizeLimit limit(1000);
            EXPECT_TRUE(limit.lowered);
            return FileSystem::replaceFile(file, QByteArray(row.size, 'n'), &why);
        };
        EXPECT_FALSE(row.inPlace ? inClosedFolder(dir, folder, file, write) : write());
        EXPECT_EQ(why.toStdString(), row.why);
        if (row.before == small) {
            EXPECT_EQ(FileSystem::readFile(file), row.before);
            EXPECT_EQ(inodeOf(file), inode);
        }
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"keys.rtf"});
    }
}

TEST(FileSystem, AFileSystemThatCannotSyncStillSaves) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("Images");
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString file = folder + "/capture.bmp";
    const FailingSync cannotSync(folder, EINVAL);
    EXPECT_TRUE(FileSystem::replaceFile(file, "old"));
    EXPECT_TRUE(
        inClosedFolder(dir, folder, file, [&] { return FileSystem::replaceFile(file, "new"); }));
    EXPECT_EQ(FileSystem::readFile(file), QByteArray("new"));
}

TEST(FileSystem, JoinsWithOneSeparator) {
    const QString sep = QDir::separator();
    EXPECT_EQ(FileSystem::joinPath("/opt/tavrin", "Quillet.ini"),
              "/opt/tavrin" + sep + "Quillet.ini");
    EXPECT_EQ(FileSystem::joinPath("/opt/tavrin/", "Quillet.ini"),
              "/opt/tavrin" + sep + "Quillet.ini");
    EXPECT_EQ(FileSystem::joinPath("/opt/tavrin//", "/Images"), "/opt/tavrin" + sep + "Images");
    EXPECT_EQ(FileSystem::joinPath("/", "x"), sep + "x");
    EXPECT_EQ(FileSystem::joinPath("", "Restore.txt"), "Restore.txt");
}

TEST(FileSystem, PathCaseAndProgramFolder) {
    const QString path = "/Home/User/Games/Tie.GAM";
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    EXPECT_TRUE(FileSystem::pathsIgnoreCase());
    EXPECT_EQ(FileSystem::storedPathCase(path), path.toLower());
#else
    EXPECT_FALSE(FileSystem::pathsIgnoreCase());
    EXPECT_EQ(FileSystem::storedPathCase(path), path);
#endif
    EXPECT_EQ(FileSystem::programFolder(), QCoreApplication::applicationDirPath());
    EXPECT_TRUE(FileSystem::folderExists(FileSystem::programFolder()));

    const QString before = QDir::currentPath();
    FileSystem::ChangeToDriveRoot("C:\\Norvik\\Tkr\\x.gam");
#ifndef Q_OS_WIN
    EXPECT_EQ(QDir::currentPath(), before);
#endif
}

} // namespace
