// SPDX-License-Identifier: MIT
#include "analysis/GroupResultWrite.h"

#include "analysis/GroupResultBlocks.h"
#include "analysis/GroupResultTable.h"
#include "store/DerivedDataCommit.h"
#include "store/Savepoint.h"

namespace quorvel {

void writeGroupResults(HistoryStore& store, const GroupRows& rows, const std::string& rules, const Progress& progress) {
    GroupResultBlocks blocks(rows);
    writeGroupResults(store, blocks, rules, progress);
}

void writeGroupResults(HistoryStore& store, GroupResultBlocks& blocks, const std::string& rules,
                       const Progress& progress) {
    // The rows are derived data: their commit need not wait for the disk (the draws' commits still do). A row takes
    // some 40 bytes in YL and beside it.
    DerivedDataCommit derived(store, blocks.rows() * 40);
    Savepoint transaction(store);
    GroupResultTable table(store);
    table.clear();
    for (std::size_t index = 0; index < blocks.size(); ++index) {
        progress.step(static_cast<long>(index * blocks.rowsPerBlock()), static_cast<long>(blocks.rows()));
        table.append(blocks.take(index));
    }
    table.setRules(rules);
    transaction.commit();
    // Copied into the store file while the caller still shows or prints the rows.
    derived.checkpoint();
}

} // namespace quorvel
