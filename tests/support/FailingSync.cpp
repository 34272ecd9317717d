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

bool fails(int fd) {
    if (failing().folder.empty()) {
        return false;
    }
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    char target[4096];
    const ssize_t size = ::readlink(link.c_str(), target, sizeof target);
    return size > 0 && std::string(target, size).starts_with(failing().folder);
}

int syncOrFail(const char* name, int fd) {
    if (fails(fd)) {
        errno = failing().error;
        return -1;
    }
    using Sync = int (*)(int);
    const auto real = reinterpret_cast<Sync>(::dlsym(RTLD_NEXT, name));
    return real(fd);
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
