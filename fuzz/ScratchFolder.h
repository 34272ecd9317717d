#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryDir>

// A temporary folder in memory where the system has one (/dev/shm): the targets write files
// through the same safe, synced replacement as the programs, and on a memory file system the
// sync costs nothing.
inline QTemporaryDir& scratchFolder() {
    static QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                    ? QStringLiteral("/dev/shm/tavrin_fuzz_XXXXXX")
                                    : QDir::tempPath() + QStringLiteral("/tavrin_fuzz_XXXXXX"));
    return folder;
}
