// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/GroupRows.h"
#include "store/GroupResultBlock.h"

#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <vector>

namespace quorvel {

// The rows of a group calculation cut into blocks made ready to store (GroupResultBlock), shared between the
// thread that stores them, block after block, and a thread with time to spare that makes blocks ahead of it.
// Every block is made once, by whichever of the two comes to it first. The rows must outlive this object.
class GroupResultBlocks {
  public:
    explicit GroupResultBlocks(const GroupRows& rows);

    std::size_t size() const { return m_states.size(); }
    std::size_t rows() const { return m_rows.size(); }
    // Rows per block: GroupResultBlock::kRows when the blocks may be made ahead; a calculation too large for that
    // is cut into smaller blocks, so that the one block its writing thread holds at a time takes little memory.
    std::size_t rowsPerBlock() const { return m_rowsPerBlock; }

    // Block `index`, made now unless another thread has made it or is making it (then waits for it). Each block
    // is taken once; the memory of a block taken is the taker's.
    GroupResultBlock take(std::size_t index);
    // Makes the blocks nobody took or is making yet, in order, and returns when none is left or the storing
    // thread stopped taking. Only a calculation of at most kMostRowsAhead rows is made ahead (the blocks it keeps
    // then take a few megabytes); a larger one is made by the storing thread alone, block by block.
    void makeAhead();
    // Tells makeAhead that no more blocks will be taken (the write ended or failed).
    void stop();

    static constexpr std::size_t kMostRowsAhead = 500000;
    static constexpr std::size_t kRowsPerBlockAlone = 1024;

  private:
    enum class State { Waiting, Making, Made, Taken };

    GroupResultBlock make(std::size_t index) const;

    const GroupRows& m_rows;
    std::size_t m_rowsPerBlock;
    std::mutex m_mutex;
    std::condition_variable m_made;
    std::vector<State> m_states;
    std::vector<GroupResultBlock> m_blocks; // the blocks made ahead and not taken yet
    bool m_stopped = false;
};

} // namespace quorvel
