#include "card_editor/card/PictureFolders.h"

#include "common/platform/FileSystem.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace PictureFolders {

namespace {

// File systems that hold no files of a user's.
bool isPseudo(const QByteArray& type) {
    static const QByteArrayList pseudo = {
        "autofs",     "binfmt_misc", "bpf",      "cgroup",   "cgroup2", "configfs",
        "debugfs",    "devpts",      "devtmpfs", "efivarfs", "fusectl", "hugetlbfs",
        "mqueue",     "nsfs",        "overlay",  "proc",     "pstore",  "ramfs",
        "rpc_pipefs", "securityfs",  "sysfs",    "tmpfs",    "tracefs", "squashfs"};
    return pseudo.contains(type);
}

bool isUnder(const QString& path, const QString& folder) {
    return path.startsWith(folder + u'/') && path.size() > folder.size() + 1;
}

QString withoutTrailingSeparator(QString path) {
    while (path.size() > 1 && (path.endsWith(u'/') || path.endsWith(QDir::separator()))) {
        path.chop(1);
    }
    return path;
}

} // namespace

QString picturePattern() {
    return QStringLiteral("*.bmp;*.jpg;*.gif;*.wmf;*.ico");
}

QStringList drivesFrom(const QString& home, const QList<Mount>& mounts) {
    QStringList found;
#ifdef Q_OS_WIN
    for (const Mount& m : mounts) {
        if (!isPseudo(m.type) && !found.contains(m.root)) {
            found.append(m.root);
        }
    }
    Q_UNUSED(home);
#else
    found.append(QStringLiteral("/"));
    if (!home.isEmpty() && home != u'/') {
        found.append(withoutTrailingSeparator(home));
    }
    for (const Mount& m : mounts) {
        const QString root = withoutTrailingSeparator(m.root);
        const bool userMount = isUnder(root, QStringLiteral("/media")) ||
                               isUnder(root, QStringLiteral("/mnt")) ||
                               isUnder(root, QStringLiteral("/run/media"));
        if (userMount && !isPseudo(m.type) && !found.contains(root)) {
            found.append(root);
        }
    }
#endif
    return found;
}

QStringList drives() {
    QList<Mount> mounts;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady()) {
            mounts.append({volume.rootPath(), volume.fileSystemType()});
        }
    }
    return drivesFrom(QDir::homePath(), mounts);
}

QString driveOf(const QString& path, const QStringList& drives) {
    QString best;
    const QString cleaned = QDir::cleanPath(QDir::fromNativeSeparators(path));
    for (const QString& drive : drives) {
        const QString root = QDir::fromNativeSeparators(drive);
        const bool holds =
            cleaned.compare(root, Qt::CaseInsensitive) == 0 ||
            (root.endsWith(u'/') ? cleaned.startsWith(root, Qt::CaseInsensitive)
                                 : cleaned.startsWith(root + u'/', Qt::CaseInsensitive));
        if (holds && drive.size() > best.size()) {
            best = drive;
        }
    }
    if (best.isEmpty() && !drives.isEmpty()) {
        return drives.front();
    }
    return best;
}

QString nearestFolder(const QString& folder) {
    QString path = QDir::cleanPath(folder);
    while (!path.isEmpty()) {
        if (FileSystem::folderExists(path)) {
            return QDir::toNativeSeparators(path);
        }
        const QString parent = QFileInfo(path).path();
        if (parent == path || !QFileInfo(path).isAbsolute()) {
            break;
        }
        path = parent;
    }
    return QDir::toNativeSeparators(QDir::homePath());
}

QStringList foldersLeadingTo(const QString& folder) {
    QStringList chain;
    QString path = QDir::cleanPath(QDir::fromNativeSeparators(folder));
    while (!path.isEmpty()) {
        chain.prepend(QDir::toNativeSeparators(path));
        const QString parent = QFileInfo(path).path();
        if (parent == path || parent == u'.') {
            break;
        }
        path = parent;
    }
    return chain;
}

QStringList subFolders(const QString& folder) {
    const QDir dir(folder);
    QStringList paths;
    const QStringList names = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot,
                                            QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    for (const QString& name : names) {
        paths.append(FileSystem::joinPath(folder, name));
    }
    return paths;
}

QStringList matchingFiles(const QString& folder, const QString& pattern) {
    QDir dir(folder);
    dir.setNameFilters(pattern.split(u';', Qt::SkipEmptyParts));
    return dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
}

QString pathOf(const QString& folder, const QString& name) {
    return FileSystem::storedPathCase(FileSystem::joinPath(folder, name));
}

} // namespace PictureFolders
