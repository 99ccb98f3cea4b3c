// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>

namespace quorvel {

// A file written under a temporary name beside its target and renamed over the target only once it is
// complete, so that a write that fails (a full disk) leaves the old file as it was. The temporary file is
// removed unless commit() renamed it.
class FileReplacement {
  public:
    explicit FileReplacement(std::filesystem::path target);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    const std::filesystem::path& target() const { return m_target; }
    // Where to write the new file: a hidden name beside the target, so that the rename stays on one disk.
    const std::filesystem::path& partial() const { return m_partial; }

    // Renames the complete file over the target; raises Error when it cannot (the old file then stays).
    void commit();

  private:
    std::filesystem::path m_target;
    std::filesystem::path m_partial;
    bool m_committed = false;
};

} // namespace quorvel
