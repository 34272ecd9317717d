#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What the picture-selection dialog browses: the drives (file-system roots and the mounted
// file systems a user picks from), the folders and the picture files of a folder.
namespace PictureFolders {

// The files the dialog lists, matched without regard to letter case.
QString picturePattern();

// A mounted file system as the system reports it.
struct Mount {
    QString root;
    QByteArray type;
};

// The drives from the mounted file systems: the root, the home folder, and file systems
// mounted under /media, /mnt or /run/media, never a pseudo file system. Each once, in order.
QStringList drivesFrom(const QString& home, const QList<Mount>& mounts);
// The drives of this machine.
QStringList drives();
// The drive that holds path (the longest that leads to it); the first drive when none does.
QString driveOf(const QString& path, const QStringList& drives);

// The folder itself if it exists, else its nearest existing parent; the home folder when none
// of them is left.
QString nearestFolder(const QString& folder);
// The parents of folder from the top down, then folder itself.
QStringList foldersLeadingTo(const QString& folder);
// The sub-folders of folder, hidden ones left out, as full paths in name order.
QStringList subFolders(const QString& folder);
// The names of the files in folder that match one of the ";"-separated patterns.
QStringList matchingFiles(const QString& folder, const QString& pattern);
// The path of a file of folder as the programs keep it, with one separator between them.
QString pathOf(const QString& folder, const QString& name);

} // namespace PictureFolders
