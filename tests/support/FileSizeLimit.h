#pragma once

#include <csignal>
#include <sys/resource.h>

// Makes writes past a size fail for real, as on a full disk, while it lives: lowers this
// process's soft file-size limit and ignores the signal that would otherwise end the process.
// Only the soft limit is lowered, so any user may raise it again afterwards.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        lowered_ = getrlimit(RLIMIT_FSIZE, &saved_) == 0;
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        lowered_ = lowered_ && setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        if (lowered_) {
            setrlimit(RLIMIT_FSIZE, &saved_);
        }
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool lowered() const { return lowered_; }

private:
    rlimit saved_{};
    bool lowered_ = false;
    void (*oldHandler_)(int) = nullptr;
};
