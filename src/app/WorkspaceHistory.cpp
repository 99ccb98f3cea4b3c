// SPDX-License-Identifier: MIT
#include "app/WorkspaceHistory.h"

#include "app/WorkspaceState.h"
#include "maintain/HistoryBackup.h"
#include "model/Error.h"
#include "model/PathText.h"
#include "store/HistoryStore.h"
#include "store/Savepoint.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

namespace quorvel {

namespace {

// Why a file gave no draw, with the first reasons its lines were skipped.
Message noUsableDraw(const std::filesystem::path& file, const HistoryText& text) {
    if (text.skipped.empty())
        return Message::core(QT_TRANSLATE_NOOP("Core", "%1 holds no usable draw (it is empty or holds only blank "
                                                       "lines); the history was left unchanged"),
                             pathText(file));
    // The first three reasons, joined as the language joins clauses ("; " in English).
    std::vector<MessageArgument> reasons;
    std::string joined;
    for (std::size_t i = 0; i < std::min<std::size_t>(3, text.skipped.size()); ++i) {
        reasons.emplace_back(
            Message::core(QT_TRANSLATE_NOOP("Core", "line %1: %2"), text.skipped[i].line, text.skipped[i].reason));
        joined += (i ? "; %" : "%") + std::to_string(i + 1);
    }
    if (text.skipped.size() > 3) joined += "; ...";
    return Message::core(QT_TRANSLATE_NOOP("Core", "%1 holds no usable draw: every line was skipped (%2; %3); the "
                                                   "history was left unchanged"),
                         pathText(file), text.skipped.size(), Message({}, joined, reasons));
}

std::string formatNumbers(const Draw& draw) {
    std::string text;
    for (int n : draw.numbers)
        text += (text.empty() ? "" : " ") + twoDigits(n);
    return text;
}

} // namespace

HistorySubscription WorkspaceHistory::subscribe(HistorySubscriber subscriber) {
    return m_state.subscribe(std::move(subscriber));
}

ChangeElsewhere WorkspaceHistory::noticeChangesElsewhere() { return m_state.noticeChangesElsewhere(); }

std::uint64_t WorkspaceHistory::historyVersion() const { return m_state.store().historyVersion(); }

int WorkspaceHistory::drawCount() const { return m_state.store().count(); }

std::optional<int> WorkspaceHistory::firstIssue() const {
    auto first = m_state.store().first();
    return first ? std::optional<int>(first->issue) : std::nullopt;
}

std::optional<int> WorkspaceHistory::latestIssue() const {
    auto latest = m_state.store().latest();
    return latest ? std::optional<int>(latest->issue) : std::nullopt;
}

std::vector<DrawRecord> WorkspaceHistory::records() const { return m_state.store().readAll(); }

std::vector<ListedDraw> WorkspaceHistory::listedDraws() const { return m_state.store().listedDraws(); }

HistoryListing WorkspaceHistory::historyListing() const { return HistoryListing(m_state.store().draws()); }

std::optional<std::vector<std::pair<std::string, FieldValue>>> WorkspaceHistory::rowFields(int issue) const {
    return m_state.store().rowFields(issue);
}

ImportResult WorkspaceHistory::importHistoryFile(const std::filesystem::path& file) {
    ImportResult result = importFile(file);
    m_state.changed(HistoryChange::Changed);
    return result;
}

ImportResult WorkspaceHistory::importFile(const std::filesystem::path& file) {
    // A path that names nothing is told as such before its name is judged (one that cannot be looked at is left
    // for the reading to tell why).
    std::error_code ec;
    if (!std::filesystem::exists(file, ec) && !ec)
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "%1 does not exist; check the path and the file's name; "
                                                            "the history was left unchanged"),
                                  pathText(file)));
    std::string name = pathText(file.filename());
    std::string ending = name.size() >= 3 ? name.substr(name.size() - 3) : name;
    for (char& c : ending)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ending != "txt")
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "a history text file's name ends in .txt, not '%1'; the "
                                                            "history was left unchanged"),
                                  name));
    m_state.requireRunBasesMatchStore();
    HistoryText text = readHistoryTextFile(file);
    if (text.draws.empty()) throw Error(noUsableDraw(file, text));
    std::vector<DrawRecord> records;
    records.reserve(text.draws.size());
    const ParameterBases current = m_state.bases();
    for (const Draw& draw : text.draws)
        records.push_back(deriveRecord(draw, current));
    ImportResult result{static_cast<int>(records.size()), std::move(text.skipped), std::nullopt};
    std::map<int, int> timesStored;
    for (const Draw& draw : text.draws)
        if (++timesStored[draw.issue] == 2) ++result.duplicateIssues;
    try {
        Savepoint transaction(m_state.store());
        result.backup = backupHistory(m_state.store(), m_state.dataFolder());
        m_state.store().replaceAll(records);
        m_state.store().recordDerivedBases(current);
        transaction.commit();
    } catch (const StoreError& e) {
        throw e.during(Message::core(QT_TRANSLATE_NOOP("Core", "the import")));
    }
    return result;
}

HistoryHoles WorkspaceHistory::checkHistory() const { return findHistoryHoles(m_state.store().idxAndIssues()); }

int WorkspaceHistory::nextIssue() const {
    auto latest = m_state.store().latest();
    return latest ? latest->issue + 1 : m_state.clock().currentYear() * 1000 + 1;
}

std::optional<WorkspaceHistory::LatestDrawsStart> WorkspaceHistory::startOfLatestDraws(int count) const {
    const int stored = m_state.store().count();
    if (stored == 0 || count < 1) return std::nullopt;
    const int draws = std::min(count, stored);
    auto start = m_state.store().atIndex(stored - draws + 1);
    if (!start) return std::nullopt;
    return LatestDrawsStart{start->issue, draws};
}

AddResult WorkspaceHistory::addDraw(std::optional<int> issue, const std::array<int, 7>& numbers, AddPlace place) {
    AddResult added = storeDraw(issue, numbers, place);
    m_state.changed(HistoryChange::Changed);
    return added;
}

AddResult WorkspaceHistory::storeDraw(std::optional<int> issue, const std::array<int, 7>& numbers, AddPlace place) {
    std::set<int> seen;
    for (int n : numbers) {
        if (n < 1 || n > 49)
            throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "number %1 is outside 1..49; nothing was added"), n));
        if (!seen.insert(n).second)
            throw Error(
                Message::core(QT_TRANSLATE_NOOP("Core", "number %1 appears twice in the draw; nothing was added"), n));
    }
    try {
        // The next issue is worked out under the write lock, so that two programs adding at once each get
        // their own issue, and one that shortened the history meanwhile is seen.
        Savepoint transaction(m_state.store());
        const int stored = issue.value_or(nextIssue());
        // Issues are year * 1000 + sequence: seven digits, which the history text format relies on.
        if (stored < 1000000 || stored > 9999999)
            throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "an issue has seven digits (year and three-digit "
                                                                "sequence, e.g. 2013017), not %1; nothing was added"),
                                      stored));
        if (stored % 1000 == 0)
            throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "issue %1 has the sequence 000; a year's draws count "
                                                                "from 001; nothing was added"),
                                      stored));
        if (auto holder = m_state.store().byIssue(stored))
            throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "issue %1 is already stored: draw %2 in the list holds "
                                                                "it (%3); nothing was added; give another issue, or "
                                                                "delete that draw first"),
                                      stored, holder->idx, formatNumbers(holder->draw())));
        const std::optional<DrawRecord> latest = m_state.store().latest();
        // A draw among the stored ones renumbers every later draw: only on purpose.
        if (latest && stored < latest->issue && place == AddPlace::AfterLatest)
            throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "issue %1 comes before the latest stored draw %2: it "
                                                                "would go among the stored draws and move the %3 "
                                                                "draws after it down one place; nothing was added. "
                                                                "Check the issue, or insert the draw there on purpose "
                                                                "(--insert)"),
                                      stored, latest->issue,
                                      m_state.store().count() - m_state.store().idxBeforeIssue(stored)));
        m_state.requireRunBasesMatchStore();
        // Into a non-empty history the draw joins rows that keep the bases they were derived with (a base
        // changed since shows as a warning until they are derived again); the first draw sets the record.
        const bool first = !latest;
        AddResult added;
        added.issue = stored;
        added.idx = m_state.store().append({deriveRecord(Draw{stored, numbers}, m_state.bases())});
        if (first) m_state.store().recordDerivedBases(m_state.bases());
        if (latest && stored < latest->issue) {
            added.moved = m_state.store().count() - added.idx;
            added.firstMoved = m_state.store().atIndex(added.idx + 1)->issue;
            added.lastMoved = latest->issue;
        } else if (latest) {
            const int year = stored / 1000;
            for (int missing = year == latest->issue / 1000 ? latest->issue + 1 : year * 1000 + 1; missing < stored;
                 ++missing)
                added.missing.push_back(missing);
            for (int between = latest->issue / 1000 + 1; between < year; ++between)
                added.missingYears.push_back(between);
        }
        transaction.commit();
        return added;
    } catch (const StoreError& e) {
        throw e.during(Message::core(QT_TRANSLATE_NOOP("Core", "adding the draw")));
    }
}

} // namespace quorvel
