// SPDX-License-Identifier: MIT
#include "analysis/ParallelTasks.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace quorvel {

namespace {

// How often the calling thread reports progress while the others work.
constexpr auto kReportEvery = std::chrono::milliseconds(20);

} // namespace

int defaultThreadCount() { return static_cast<int>(std::max(1u, std::thread::hardware_concurrency())); }

void runTasks(std::size_t count, int threads, long total, const Progress& progress,
              const std::function<long(std::size_t task)>& task) {
    if (threads <= 1 || count <= 1) {
        long done = 0;
        for (std::size_t t = 0; t < count; ++t) {
            progress.step(done, total);
            done += task(t);
        }
        return;
    }

    progress.step(0, total);
    std::atomic<std::size_t> next{0};
    std::atomic<long> done{0};
    std::atomic<bool> stop{false};
    std::mutex mutex;
    std::condition_variable finished;
    int running = std::min(threads, static_cast<int>(count));
    std::exception_ptr failure;
    auto work = [&] {
        try {
            for (std::size_t t = next++; t < count && !stop; t = next++)
                done += task(t);
        } catch (...) {
            std::lock_guard lock(mutex);
            if (!failure) failure = std::current_exception();
            stop = true;
        }
        std::lock_guard lock(mutex);
        --running;
        finished.notify_all();
    };
    {
        std::vector<std::jthread> pool;
        try {
            for (int i = running; i > 0; --i)
                pool.emplace_back(work);
            std::unique_lock lock(mutex);
            while (running > 0) {
                finished.wait_for(lock, kReportEvery);
                if (running == 0) break;
                lock.unlock();
                progress.step(done, total);
                lock.lock();
            }
        } catch (...) {
            stop = true; // the pool's threads finish their task and are joined on the way out
            throw;
        }
    }
    if (failure) std::rethrow_exception(failure);
}

} // namespace quorvel
