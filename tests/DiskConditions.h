// SPDX-License-Identifier: MIT
#pragma once

#include <csignal>

#include <sys/resource.h>

namespace quorvel::test {

// While it lives, no file may grow beyond a size: a write past it fails as on a disk that just filled up.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_before);
        // The write then fails (EFBIG) instead of the process being stopped.
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, m_before.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit m_before{};
    void (*m_handler)(int) = SIG_DFL;
};

} // namespace quorvel::test
