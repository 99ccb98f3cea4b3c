// SPDX-License-Identifier: MIT
#include "analysis/GroupResultWrite.h"

#include "analysis/GroupResultTable.h"
#include "store/Savepoint.h"

namespace quorvel {

void writeGroupResults(HistoryStore& store, const GroupRows& rows, const std::string& rules, const Progress& progress) {
    Savepoint transaction(store);
    GroupResultTable table(store);
    table.clear();
    table.append(rows, progress);
    table.setRules(rules);
    transaction.commit();
}

} // namespace quorvel
