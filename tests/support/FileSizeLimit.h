#pragma once

#include <csignal>
#include <sys/resource.h>

namespace zorind::test {

// For as long as it lives, a limit on the size of the files this process
// writes: a write beyond it fails as on a full disk, without the signal that
// would end the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &normal_);
        handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = normal_;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &normal_);
        std::signal(SIGXFSZ, handler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit normal_{};
    void (*handler_)(int) = SIG_DFL;
};

} // namespace zorind::test
