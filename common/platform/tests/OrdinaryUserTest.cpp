// What an ordinary user may do with files: read-only is "this user cannot write it", and a file
// the user may write is saved even in a folder the user may not write. The tests run as root,
// who may write anything, so each case runs a small probe program as the user "nobody".
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum class FileState { Missing, Writable, OtherUsers, OwnerBitClear, Unreadable };

struct AccessCase {
    const char* what;
    bool folderWritable;
    FileState file;
    const char* expected; // the probe's report
    const char* content;  // the file afterwards; nullptr: missing
};

const AccessCase kCases[] = {
    {"own file, own folder", true, FileState::Writable, "readonly=0 read=ok replace=ok", "new"},
    {"own file, shared folder", false, FileState::Writable, "readonly=0 read=ok replace=ok", "new"},
    {"another user's file, shared folder", false, FileState::OtherUsers,
     "readonly=1 read=ok replace=The file is read-only", "old"},
    {"another user's file, own folder", true, FileState::OtherUsers,
     "readonly=1 read=ok replace=The file is read-only", "old"},
    {"own file marked read-only", false, FileState::OwnerBitClear,
     "readonly=1 read=ok replace=The file is read-only", "old"},
    {"another user's private file", false, FileState::Unreadable,
     "readonly=1 read=Permission denied replace=The file is read-only", "old"},
    {"new file, shared folder", false, FileState::Missing,
     "readonly=0 read=No such file replace=Permission denied", nullptr},
};

class OrdinaryUserTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (geteuid() != 0) {
            GTEST_SKIP() << "needs root to give files to another user and to become one";
        }
        const passwd* nobody = getpwnam("nobody");
        setpriv_ = QStandardPaths::findExecutable("setpriv");
        if (nobody == nullptr || setpriv_.isEmpty()) {
            GTEST_SKIP() << "no unprivileged user \"nobody\" or no setpriv to become it";
        }
        uid_ = nobody->pw_uid;
        gid_ = nobody->pw_gid;
        // The probe must be reachable by nobody, whatever the build folder's permissions.
        ASSERT_EQ(chmod(QFile::encodeName(root_.path()).constData(), 0755), 0);
        probe_ = root_.filePath("probe");
        ASSERT_TRUE(QFile::copy(FILE_ACCESS_PROBE, probe_));
        ASSERT_EQ(chmod(QFile::encodeName(probe_).constData(), 0755), 0);
    }

    void give(const QString& path, bool toNobody, mode_t mode) const {
        const QByteArray name = QFile::encodeName(path);
        if (toNobody) {
            ASSERT_EQ(chown(name.constData(), uid_, gid_), 0);
        }
        ASSERT_EQ(chmod(name.constData(), mode), 0);
    }

    QString runAsNobody(const QString& path, const QString& text) const {
        QProcess process;
        process.start(setpriv_, {QStringLiteral("--reuid=%1").arg(uid_),
                                 QStringLiteral("--regid=%1").arg(gid_),
                                 QStringLiteral("--clear-groups"), probe_, path, text});
        if (!process.waitForFinished(30000)) {
            return QStringLiteral("<did not finish>");
        }
        return QString::fromLocal8Bit(process.readAllStandardOutput() +
                                      process.readAllStandardError())
            .trimmed();
    }

    QTemporaryDir root_;
    QString setpriv_;
    QString probe_;
    uid_t uid_ = 0;
    gid_t gid_ = 0;
};

TEST_F(OrdinaryUserTest, SeesFilesAsThatUser) {
    int n = 0;
    for (const AccessCase& c : kCases) {
        SCOPED_TRACE(c.what);
        const QString folder = root_.filePath(QStringLiteral("case%1").arg(n++));
        ASSERT_TRUE(QDir().mkdir(folder));
        const QString file = folder + QStringLiteral("/Game.gam");
        if (c.file != FileState::Missing) {
            QFile out(file);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write("old");
            out.close();
            const bool nobodysFile =
                c.file == FileState::Writable || c.file == FileState::OwnerBitClear;
            const mode_t mode = c.file == FileState::OwnerBitClear ? 0444
                                : c.file == FileState::Unreadable  ? 0600
                                                                   : 0644;
            give(file, nobodysFile, mode);
        }
        give(folder, c.folderWritable, 0755);

        EXPECT_EQ(runAsNobody(file, QStringLiteral("new")).toStdString(), c.expected);
        if (c.content == nullptr) {
            EXPECT_FALSE(QFile::exists(file));
        } else {
            QFile in(file);
            ASSERT_TRUE(in.open(QIODevice::ReadOnly));
            EXPECT_EQ(in.readAll().toStdString(), c.content);
        }
        // Nothing but the file is left in the folder.
        EXPECT_LE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
}

} // namespace
