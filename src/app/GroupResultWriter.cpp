// SPDX-License-Identifier: MIT
#include "app/GroupResultWriter.h"

#include "analysis/GroupResultBlocks.h"
#include "analysis/GroupResultWrite.h"
#include "store/StoreError.h"

#include <chrono>

namespace quorvel {

namespace {

// What the waiting caller is told when the rows could not be stored.
Message operation(std::size_t rows) {
    return Message::core(QT_TRANSLATE_NOOP("Core", "storing the %1 rows of the group calculation"), rows);
}

Message notStored() {
    return Message::core(QT_TRANSLATE_NOOP("Core", "; those rows were not stored: the stored group results are still "
                                                   "those of the calculation before; run the calculation again once "
                                                   "the store can be written"));
}

// Reports a step of the write; a cancel is not possible: the write completes or fails as a whole.
void report(const Progress& progress, long done, long total) {
    try {
        progress.step(done, total);
    } catch (const AnalysisCancelled&) {
    }
}

} // namespace

GroupResultWriter::GroupResultWriter(HistoryStore& store) : m_store(store) {}

GroupResultWriter::~GroupResultWriter() { settle(); }

void GroupResultWriter::start(std::shared_ptr<const GroupRows> rows, std::string rules) {
    settle();
    m_rows = std::move(rows);
    m_blocks = std::make_unique<GroupResultBlocks>(*m_rows);
    m_rules = std::move(rules);
    m_written = 0;
    m_finished = false;
    m_thread = std::thread([this] { write(); });
}

void GroupResultWriter::write() {
    std::optional<Error> failure;
    try {
        writeGroupResults(m_store, *m_blocks, m_rules, Progress([this](long done, long) {
                              m_written = done;
                              return true;
                          }));
    } catch (const StoreError& e) {
        failure.emplace(e.during(operation(m_rows->size()), notStored()));
    } catch (const std::exception& e) {
        failure.emplace(Message::core(QT_TRANSLATE_NOOP("Core", "%1 failed: %2%3"), operation(m_rows->size()),
                                      Message::verbatim(e.what()), notStored()));
    }
    m_blocks->stop();
    std::lock_guard lock(m_mutex);
    if (failure) m_failure = std::move(failure);
    m_finished = true;
    m_done.notify_all();
}

void GroupResultWriter::makeAhead() {
    if (m_thread.joinable()) m_blocks->makeAhead();
}

void GroupResultWriter::settle() {
    if (!m_thread.joinable()) return;
    m_thread.join();
    // The rows stay with the caller; the writer no longer needs them.
    m_blocks.reset();
    m_rows.reset();
}

std::optional<Error> GroupResultWriter::wait(const Progress& progress) {
    if (m_thread.joinable()) {
        const auto total = static_cast<long>(m_rows->size());
        bool reported = false;
        for (;;) {
            {
                std::unique_lock lock(m_mutex);
                if (m_done.wait_for(lock, std::chrono::milliseconds(100), [this] { return m_finished.load(); })) break;
            }
            reported = true;
            report(progress, m_written, total);
        }
        // The last step lets a progress shown on a terminal line clear it.
        if (reported) report(progress, total - 1, total);
    }
    settle();
    std::optional<Error> failure = std::move(m_failure);
    m_failure.reset();
    return failure;
}

} // namespace quorvel
