// SPDX-License-Identifier: MIT
#include "analysis/GroupResultBlocks.h"

#include <algorithm>
#include <utility>

namespace quorvel {

GroupResultBlocks::GroupResultBlocks(const GroupRows& rows)
    : m_rows(rows), m_rowsPerBlock(rows.size() > kMostRowsAhead ? kRowsPerBlockAlone : GroupResultBlock::kRows),
      m_states((rows.size() + m_rowsPerBlock - 1) / m_rowsPerBlock, State::Waiting) {
    if (rows.size() <= kMostRowsAhead) m_blocks.resize(m_states.size());
}

GroupResultBlock GroupResultBlocks::make(std::size_t index) const {
    const std::size_t first = index * m_rowsPerBlock;
    const std::size_t end = std::min(first + m_rowsPerBlock, m_rows.size());
    GroupRows::Maker maker(m_rows);
    GroupRow row; // each row made into this one, its label text reused
    GroupResultBlock block;
    for (std::size_t i = first; i < end; ++i) {
        maker.rowInto(i, row);
        if (i == first) block.reserve(end - first, row.content.size());
        block.add(row);
    }
    return block;
}

GroupResultBlock GroupResultBlocks::take(std::size_t index) {
    {
        std::unique_lock lock(m_mutex);
        m_made.wait(lock, [&] { return m_states[index] != State::Making; });
        if (m_states[index] == State::Made) {
            m_states[index] = State::Taken;
            return std::move(m_blocks[index]);
        }
        m_states[index] = State::Taken;
    }
    return make(index);
}

void GroupResultBlocks::makeAhead() {
    if (m_rows.size() > kMostRowsAhead) return;
    for (std::size_t index = 0; index < m_states.size(); ++index) {
        {
            std::lock_guard lock(m_mutex);
            if (m_stopped) return;
            if (m_states[index] != State::Waiting) continue;
            m_states[index] = State::Making;
        }
        // A block that cannot be made here (no memory) is left to the storing thread, which then fails or not.
        GroupResultBlock block;
        bool made = true;
        try {
            block = make(index);
        } catch (...) {
            made = false;
        }
        {
            std::lock_guard lock(m_mutex);
            m_states[index] = made ? State::Made : State::Waiting;
            if (made) m_blocks[index] = std::move(block);
        }
        m_made.notify_all();
        if (!made) return;
    }
}

void GroupResultBlocks::stop() {
    std::lock_guard lock(m_mutex);
    m_stopped = true;
}

} // namespace quorvel
