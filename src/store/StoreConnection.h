// SPDX-License-Identifier: MIT
#pragma once

#include "store/HistoryStore.h"

#include <SQLiteCpp/Database.h>

namespace quorvel {

// The store's SQLite connection, for the store's own parts (transactions, identity, result tables) and its
// tests; nothing above the store uses it.
SQLite::Database& storeConnection(HistoryStore& store);

} // namespace quorvel
