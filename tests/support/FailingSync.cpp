#include "tests/support/FailingSync.h"

#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>
#include <string>
#include <unistd.h>

namespace {

struct Failing {
    std::string folder; // with a trailing slash; empty while no sync fails
    int error = 0;
};

Failing& failing() {
    static Failing state;
    return state;
}

// Fails a sync of a file in the failing folder; passes any other to the C library's own.
int syncOrFail(const char* name, int fd) {
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    char target[4096];
    const ssize_t size =
        failing().folder.empty() ? 0 : ::readlink(link.c_str(), target, sizeof target);
    if (size > 0 && std::string(target, size).starts_with(failing().folder)) {
        errno = failing().error;
        return -1;
    }
    return reinterpret_cast<int (*)(int)>(::dlsym(RTLD_NEXT, name))(fd);
}

} // namespace

FailingSync::FailingSync(const QString& folder, int error) {
    failing() = {QFile::encodeName(QFileInfo(folder).canonicalFilePath()).toStdString() + "/",
                 error};
}

FailingSync::~FailingSync() {
    failing() = {};
}

extern "C" int fsync(int fd) {
    return syncOrFail("fsync", fd);
}

extern "C" int fdatasync(int fd) {
    return syncOrFail("fdatasync", fd);
}
