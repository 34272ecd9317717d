#include "common/platform/FileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef TAVRIN_FUZZ_MEMORY_FILES
#include <QHash>
#include <QSet>
#include <algorithm>
#endif

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

bool isSeparator(QChar c) {
#ifdef Q_OS_WIN
    return c == u'/' || c == u'\\';
#else
    return c == u'/';
#endif
}

#ifdef TAVRIN_FUZZ_MEMORY_FILES
// Fuzz builds only: files below "/memory" live in memory, so that the fuzz targets run the
// real readers and writers without waiting for a disk.
struct MemoryFiles {
    QHash<QString, QByteArray> files;
    QSet<QString> folders{QStringLiteral("/memory")};
};

MemoryFiles& memory() {
    static MemoryFiles files;
    return files;
}

bool inMemory(const QString& path) {
    return path == u"/memory" || path.startsWith(u"/memory/");
}

QString parentOf(const QString& path) {
    return path.left(path.lastIndexOf(u'/'));
}

bool folderIsEmptyInMemory(const QString& path) {
    const auto inside = [&path](const QString& other) { return parentOf(other) == path; };
    return std::none_of(memory().files.keyBegin(), memory().files.keyEnd(), inside) &&
           std::none_of(memory().folders.cbegin(), memory().folders.cend(), inside);
}
#define TAVRIN_IN_MEMORY(path, result)                                                             \
    if (inMemory(path)) {                                                                          \
        return result;                                                                             \
    }
#else
#define TAVRIN_IN_MEMORY(path, result)
#endif

// Asks for the effective user, the one whose rights decide whether a new file can be made.
bool mayMakeFilesIn(const QString& folder) {
#ifdef Q_OS_UNIX
    return ::faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), W_OK | X_OK, AT_EACCESS) ==
           0;
#else
    return QFileInfo(folder).isWritable();
#endif
}

// Writes all of bytes. A write cut short is tried again for the rest: only the failing call
// tells the system's reason, a short count alone leaves "Unknown error".
bool writeAll(QFileDevice& file, const QByteArray& bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 wrote = file.write(bytes.constData() + done, bytes.size() - done);
        if (wrote <= 0) {
            return false;
        }
        done += wrote;
    }
    return file.flush();
}

// Pushes what was written to the disk, the last step that can tell the data did not get there
// (a failing disk, a network folder over its quota). A file system that cannot sync at all still
// keeps the file, so only an error that says the data may be lost fails.
bool syncToDisk(QFileDevice& file, QString& why) {
#ifdef Q_OS_UNIX
    int result = 0;
    do {
        result = ::fsync(file.handle());
    } while (result != 0 && errno == EINTR);
    if (result != 0 && errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) {
        why = qt_error_string(errno);
        return false;
    }
#else
    Q_UNUSED(file);
    Q_UNUSED(why);
#endif
    return true;
}

// Empties the open file and writes bytes over it; with sync, they must reach the disk too.
bool writeAndClose(QFile& file, const QByteArray& bytes, bool sync, QString& why) {
    if (!file.resize(0) || !file.seek(0) || !writeAll(file, bytes)) {
        why = file.errorString();
        return false;
    }
    if (sync && !syncToDisk(file, why)) {
        return false;
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        why = file.errorString();
        return false;
    }
    return true;
}

// Writes over the file itself, emptied first. Its old content is kept beforehand and put back
// when the write fails, so that a failed save leaves the file as it was wherever it can. Only the
// new content is synced: once it has failed, the save is reported as failed whatever follows.
bool writeInPlace(const QString& path, const QByteArray& bytes, QString* error) {
    QString why;
    const std::optional<QByteArray> old = FileSystem::readFile(path, &why);
    if (!old) {
        why = QStringLiteral("its old content could not be read to keep it: ") + why;
    }
    QFile file(path);
    if (old && file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (writeAndClose(file, bytes, true, why)) {
            return true;
        }
        QString whyNotBack;
        const bool open = file.isOpen() || file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        if (!open) {
            whyNotBack = file.errorString();
        }
        if (!open || !writeAndClose(file, *old, false, whyNotBack)) {
            why +=
                QStringLiteral("; the old content could not be written back either: ") + whyNotBack;
        }
    } else if (old) {
        why = file.errorString();
    }
    if (error != nullptr) {
        *error = why;
    }
    return false;
}

} // namespace

namespace FileSystem {

bool fileExists(const QString& path) {
    TAVRIN_IN_MEMORY(path, memory().files.contains(path))
    return !path.isEmpty() && QFileInfo(path).isFile();
}

bool folderExists(const QString& path) {
    TAVRIN_IN_MEMORY(path, memory().folders.contains(path))
    return !path.isEmpty() && QFileInfo(path).isDir();
}

bool pathExists(const QString& path) {
    TAVRIN_IN_MEMORY(path, fileExists(path) || folderExists(path))
    if (path.isEmpty()) {
        return false;
    }
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

bool isReadOnly(const QString& path) {
    TAVRIN_IN_MEMORY(path, false)
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        return false;
    }
    if (!(info.permissions() & QFileDevice::WriteOwner)) {
        return true;
    }
#ifdef Q_OS_UNIX
    // The permission bits alone do not say what this user may do.
    return ::access(QFile::encodeName(path).constData(), W_OK) != 0;
#else
    return !info.isWritable();
#endif
}

bool makeFolder(const QString& path) {
    TAVRIN_IN_MEMORY(path, folderExists(parentOf(path)) && !fileExists(path) &&
                               (memory().folders.insert(path), true))
    if (path.isEmpty()) {
        return false;
    }
    QDir().mkdir(path);
    return folderExists(path);
}

bool removeEmptyFolder(const QString& path) {
    TAVRIN_IN_MEMORY(path, folderIsEmptyInMemory(path) && memory().folders.remove(path))
    return !path.isEmpty() && QDir().rmdir(path);
}

bool deleteFile(const QString& path) {
    TAVRIN_IN_MEMORY(path, memory().files.remove(path) > 0)
    if (!fileExists(path) || isReadOnly(path)) {
        return false;
    }
    return QFile::remove(path);
}

std::optional<QByteArray> readFile(const QString& path) {
    return readFile(path, nullptr);
}

std::optional<QByteArray> readFile(const QString& path, QString* error) {
    const auto fail = [error](const QString& why) -> std::optional<QByteArray> {
        if (error != nullptr) {
            *error = why;
        }
        return std::nullopt;
    };
    TAVRIN_IN_MEMORY(path, fileExists(path) ? std::optional(memory().files.value(path))
                                            : fail(QStringLiteral("No such file")))
    if (!fileExists(path)) {
        if (folderExists(path)) {
            return fail(QStringLiteral("It is a folder"));
        }
        return fail(pathExists(path) ? QStringLiteral("Not a regular file")
                                     : QStringLiteral("No such file"));
    }
    QFile file(path);
    // Unbuffered: the whole file is read at once, straight into the result.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        return fail(file.errorString());
    }
    // Read straight into a result of the file's size; a file that grows meanwhile is read on.
    QByteArray bytes(file.size(), Qt::Uninitialized);
    const qint64 got = file.read(bytes.data(), bytes.size());
    if (got < 0) {
        return fail(file.errorString());
    }
    bytes.truncate(got);
    if (got == file.size()) {
        bytes.append(file.readAll());
    }
    if (file.error() != QFileDevice::NoError) {
        return fail(file.errorString());
    }
    return bytes;
}

bool replaceFile(const QString& path, const QByteArray& bytes, QString* error) {
    const auto fail = [error](const QString& why) {
        if (error != nullptr) {
            *error = why;
        }
        return false;
    };
    // Only a regular file is replaced: never a folder, a device, a pipe or a broken link.
    if (path.isEmpty()) {
        return fail(QStringLiteral("No file name"));
    }
    if (pathExists(path) && !fileExists(path)) {
        return fail(folderExists(path) ? QStringLiteral("A folder of that name is in the way")
                                       : QStringLiteral("Not a regular file"));
    }
    if (isReadOnly(path)) {
        return fail(QStringLiteral("The file is read-only"));
    }
    TAVRIN_IN_MEMORY(path, folderExists(parentOf(path)) ? (memory().files.insert(path, bytes), true)
                                                        : fail(QStringLiteral("No such folder")))
    QSaveFile file(path);
    // Unbuffered, so that every byte reaches the system while a failure can still be seen.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        // Safe replacement needs a new file beside the old one; where the folder forbids that,
        // an existing file this user may write is written in place.
        // The new file goes beside the file a link points to, so that is the folder to ask.
        const QFileInfo target(QFileInfo(path).canonicalFilePath());
        if (fileExists(path) && !mayMakeFilesIn(target.absolutePath())) {
            return writeInPlace(path, bytes, error);
        }
        return fail(file.errorString());
    }
    QString why;
    if (!writeAll(file, bytes)) {
        why = file.errorString();
    } else if (syncToDisk(file, why)) {
        // commit() syncs as well, but replaces the old file whatever its sync says.
        return file.commit() || fail(file.errorString());
    }
    file.cancelWriting();
    return fail(why);
}

void failWritesPastSizeLimit() {
#ifdef Q_OS_UNIX
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

QString programFolder() {
    if (QCoreApplication::instance() == nullptr) {
        return QDir::currentPath();
    }
    return QCoreApplication::applicationDirPath();
}

QString joinPath(const QString& folder, const QString& name) {
    if (folder.isEmpty()) {
        return name;
    }
    qsizetype folderEnd = folder.size();
    while (folderEnd > 0 && isSeparator(folder.at(folderEnd - 1))) {
        --folderEnd;
    }
    qsizetype nameStart = 0;
    while (nameStart < name.size() && isSeparator(name.at(nameStart))) {
        ++nameStart;
    }
    return folder.left(folderEnd) + QDir::separator() + name.mid(nameStart);
}

void ChangeToDriveRoot(const QString& path) {
#ifdef Q_OS_WIN
    if (path.size() >= 2 && path.at(1) == u':' && path.at(0).isLetter()) {
        QDir::setCurrent(path.left(2) + u'\\');
    }
#else
    Q_UNUSED(path);
#endif
}

bool pathsIgnoreCase() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return true;
#else
    return false;
#endif
}

QString storedPathCase(const QString& path) {
    return pathsIgnoreCase() ? path.toLower() : path;
}

} // namespace FileSystem
