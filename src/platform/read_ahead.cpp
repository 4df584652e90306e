// One thread, one list of jobs in start-up order, one lock. The shared state is never freed:
// the thread may still be reading when the game ends, and must not find it gone.
#include "platform/read_ahead.h"

#include <pthread.h>  // Required for: pthread_sigmask(), pthread_setname_np()
#include <signal.h>   // Required for: sigaddset()

#include <condition_variable>  // Required for: std::condition_variable
#include <mutex>               // Required for: std::mutex, std::unique_lock
#include <thread>              // Required for: std::thread

namespace {

struct Slot {
    ReadAheadJob job;
    std::shared_ptr<void> outcome;
    bool done = false;
    bool taken = false;
};

struct Shared {
    std::mutex lock;
    std::condition_variable finished;
    std::vector<Slot> slots;
};

Shared* g_shared = nullptr;  // set once, before the thread starts
thread_local bool t_readingAhead = false;

void Run(Shared* shared) {
    t_readingAhead = true;
    pthread_setname_np(pthread_self(), "read-ahead");
    // Ctrl+C and the desktop's end signal are the main thread's to handle.
    sigset_t ends;
    sigemptyset(&ends);
    sigaddset(&ends, SIGINT);
    sigaddset(&ends, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &ends, nullptr);
    for (std::size_t i = 0;; ++i) {
        std::function<std::shared_ptr<void>()> work;
        {
            const std::lock_guard<std::mutex> hold(shared->lock);
            if (i >= shared->slots.size()) return;
            work = shared->slots[i].job.work;
        }
        std::shared_ptr<void> outcome = work();
        const std::lock_guard<std::mutex> hold(shared->lock);
        shared->slots[i].outcome = std::move(outcome);
        shared->slots[i].done = true;
        shared->finished.notify_all();
    }
}

}  // namespace

void StartReadingAhead(std::vector<ReadAheadJob> jobs) {
    if (g_shared != nullptr || jobs.empty()) return;
    auto* shared = new Shared;
    for (ReadAheadJob& job : jobs) shared->slots.push_back(Slot{std::move(job), nullptr});
    g_shared = shared;
    std::thread(Run, shared).detach();
}

std::shared_ptr<void> TakeReadAhead(const std::string& key) {
    if (g_shared == nullptr || t_readingAhead) return nullptr;
    std::unique_lock<std::mutex> hold(g_shared->lock);
    for (Slot& slot : g_shared->slots) {
        if (slot.taken || slot.job.key != key) continue;
        g_shared->finished.wait(hold, [&slot] { return slot.done; });
        slot.taken = true;
        return std::move(slot.outcome);
    }
    return nullptr;
}
