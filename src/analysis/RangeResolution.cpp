// SPDX-License-Identifier: MIT
#include "analysis/RangeResolution.h"

#include "analysis/SearchSupport.h"
#include "model/Error.h"

namespace quorvel {

ResolvedRange resolveRange(const HistoryStore& store, const RangeChoice& choice) {
    requireHistory(store);
    const int firstIssue = store.first()->issue;
    ResolvedRange resolved;
    resolved.range = IssueRange{firstIssue, store.latest()->issue};
    if (choice.reference) {
        resolved.reference = store.latestNotAfter(*choice.reference);
        if (!resolved.reference)
            throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "no stored draw at or before issue %1 to take the "
                                                                "reference values from (the first stored issue is %2)"),
                                      *choice.reference, firstIssue));
        if (choice.beforeReference) resolved.range.end = resolved.reference->issue - 1;
    }
    if (choice.from) resolved.range.start = *choice.from;
    if (choice.to) resolved.range.end = *choice.to;
    // The first draw not before the start tells whether the range holds any.
    auto first = store.latestNotAfter(resolved.range.end);
    resolved.holdsDraws = resolved.range.start <= resolved.range.end && first && first->issue >= resolved.range.start;
    return resolved;
}

} // namespace quorvel
