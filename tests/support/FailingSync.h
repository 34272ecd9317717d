#pragma once

#include <QString>

#include <cerrno>

// While it lives, fsync and fdatasync fail with error for every file in folder, as on a failing
// disk or a network folder over its quota, where no file system here fails on demand. The test
// program's own fsync and fdatasync stand in front of the C library's for that, and pass every
// other call on to them.
class FailingSync {
public:
    explicit FailingSync(const QString& folder, int error = EIO);
    ~FailingSync();
    FailingSync(const FailingSync&) = delete;
    FailingSync& operator=(const FailingSync&) = delete;
};
