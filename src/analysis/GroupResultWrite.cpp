// SPDX-License-Identifier: MIT
#include "analysis/GroupResultWrite.h"

#include "analysis/GroupResultTable.h"
#include "store/DerivedDataCommit.h"
#include "store/Savepoint.h"

namespace quorvel {

void writeGroupResults(HistoryStore& store, const GroupRows& rows, const std::string& rules, const Progress& progress) {
    // The rows are derived data: their commit need not wait for the disk (the draws' commits still do). A row takes
    // some 40 bytes in YL and beside it.
    const DerivedDataCommit derived(store, rows.size() * 40);
    Savepoint transaction(store);
    GroupResultTable table(store);
    table.clear();
    table.append(rows, progress);
    table.setRules(rules);
    transaction.commit();
}

} // namespace quorvel
