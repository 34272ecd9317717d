#pragma once

#include <csignal>
#include <sys/resource.h>

// While it lives, writes past a size fail for real, as on a full disk, and end no process.
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes) : oldHandler(std::signal(SIGXFSZ, SIG_IGN)) {
        lowered = getrlimit(RLIMIT_FSIZE, &saved) == 0;
        const rlimit limit{bytes, saved.rlim_max};
        lowered = lowered && setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        if (lowered) {
            setrlimit(RLIMIT_FSIZE, &saved);
        }
        std::signal(SIGXFSZ, oldHandler);
    }
    void (*oldHandler)(int);
    rlimit saved{};
    bool lowered = false;
};
