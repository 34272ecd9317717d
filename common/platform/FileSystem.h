#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// File tests, folders and paths, the same on every platform the programs build for.
namespace FileSystem {

bool fileExists(const QString& path);   // a file, not a folder
bool folderExists(const QString& path); // a folder, not a file
bool pathExists(const QString& path);   // anything at all, a broken link included

// Read-only means this user cannot write the file: its owner-write permission bit is clear
// (which holds even for an administrator), or the running user has no write access to it (a
// file of another user, a read-only file system).
bool isReadOnly(const QString& path);

// Creates one folder; true when the folder is there afterwards.
bool makeFolder(const QString& path);

// Removes a folder only when it is empty; true when it is gone.
bool removeEmptyFolder(const QString& path);

// Deletes a file; a folder or a read-only file is left alone (false).
bool deleteFile(const QString& path);

// The whole content of a regular file; nullopt when it cannot be read. Devices and pipes are
// refused, so a read never waits for an end that does not come.
std::optional<QByteArray> readFile(const QString& path);

// As readFile; when it fails, error (when given) says why in the system's words.
std::optional<QByteArray> readFile(const QString& path, QString* error);

// Replaces the file with bytes only when all of them were written and synced to the disk
// (temporary file and rename); false on any failure, the old file then untouched, and error
// (when given) says why. Only a regular file that is not read-only is replaced. Where the folder
// cannot be written (a shared folder) but the file can, the file is emptied and written in place
// instead; when that fails, its old content is written back, and error says so if that failed
// too.
bool replaceFile(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Makes a write past the system's file-size limit fail with its reason, as a full disk does,
// instead of ending the program. Called once at start-up.
void failWritesPastSizeLimit();

QString programFolder(); // folder of the running executable

// folder and name with one separator between them; an empty folder gives name.
QString joinPath(const QString& folder, const QString& name);

// On Windows, makes the drive of path current and its root the current folder; elsewhere
// paths have no drives and nothing happens.
void ChangeToDriveRoot(const QString& path);

bool pathsIgnoreCase(); // true on Windows and macOS

// A path as the programs store it: lower-cased where the file systems ignore case, else as is
// (lower-casing on a case-sensitive file system would name another file).
QString storedPathCase(const QString& path);

} // namespace FileSystem
