// SPDX-License-Identifier: MIT
#pragma once

#include "TempFolder.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

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

// A small disk of its own (a tmpfs mounted on a fresh folder), which a test fills up or makes read-only. Only a
// process allowed to mount gets one (mounted() says so); a plain user's test makes a folder read-only with its
// permissions instead (makeReadOnly() does either).
class SmallDisk {
  public:
    explicit SmallDisk(const std::string& size = "8m") {
        m_path = m_parent / "disk";
        std::filesystem::create_directory(m_path);
        m_mounted = ::mount("tmpfs", m_path.c_str(), "tmpfs", 0, ("size=" + size).c_str()) == 0;
    }
    ~SmallDisk() {
        if (!m_mounted) {
            std::error_code ignored;
            std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ignored);
            return;
        }
        ::umount2(m_path.c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    bool mounted() const { return m_mounted; }

    // Writes a file until the disk has no room left.
    void fill() const {
        std::ofstream filler(m_path / "filler", std::ios::binary);
        const std::vector<char> block(64 * 1024, 'x');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size())) && filler.flush()) {
        }
        // The last blocks a partial write left may leave a little room: files of a few bytes fill it.
        for (int i = 0; i < 4096; ++i) {
            std::ofstream small(m_path / ("filler-" + std::to_string(i)), std::ios::binary);
            if (!(small << 'x') || !small.flush()) break;
        }
    }
    // Nothing in the folder can be written any more: the disk remounted read-only, or (a plain user) the folder
    // without write permission. False when neither works (root without mounts).
    bool makeReadOnly() const {
        if (m_mounted) return ::mount(nullptr, m_path.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
        if (::geteuid() == 0) return false;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        return true;
    }

  private:
    TempFolder m_parent;
    std::filesystem::path m_path;
    bool m_mounted = false;
};

} // namespace quorvel::test
