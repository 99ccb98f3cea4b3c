// SPDX-License-Identifier: MIT
#include "maintain/FileReplacement.h"
#include "model/PathText.h"

#include "model/Error.h"
#include "model/SystemError.h"

#include <random>
#include <string>
#include <utility>

namespace quorvel {

FileReplacement::FileReplacement(std::filesystem::path target) : m_target(std::move(target)) {
    std::random_device random;
    m_partial = m_target.parent_path() /
                textPath("." + pathText(m_target.filename()) + "." + std::to_string(random()) + ".partial");
}

FileReplacement::~FileReplacement() {
    if (m_committed) return;
    std::error_code ignored;
    std::filesystem::remove(m_partial, ignored);
}

void FileReplacement::commit() {
    std::error_code ec;
    std::filesystem::rename(m_partial, m_target, ec);
    if (ec)
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "cannot replace %1: %2; close it in any program that has "
                                                            "it open, or choose another path, and export again"),
                                  pathText(m_target), systemError(ec)));
    m_committed = true;
}

} // namespace quorvel
