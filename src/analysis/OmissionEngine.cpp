// SPDX-License-Identifier: MIT
#include "analysis/OmissionEngine.h"

#include "analysis/MemoryEngine.h"
#include "analysis/SearchSupport.h"
#include "analysis/SqlEngine.h"
#include "model/Error.h"

namespace quorvel {

void requireHistory(const HistoryStore& store) {
    if (store.count() == 0)
        throw Error(
            Message::core(QT_TRANSLATE_NOOP("Core", "no history: import or add draws before running an analysis")));
}

std::unique_ptr<OmissionEngine> makeEngine(EngineKind kind, HistoryStore& store) {
    if (kind == EngineKind::Sql) return std::make_unique<SqlEngine>(store);
    return std::make_unique<MemoryEngine>(store);
}

} // namespace quorvel
