#pragma once

#include <atomic>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

namespace zorind::solver {

// Runs work(first, last) over [1, count] split into contiguous ranges, one per
// core (the calling thread takes the first), and returns when all are done.
// The ranges must be independent of each other. The floating-point status
// flags the ranges raise are raised in the calling thread too, so that a
// fault anywhere is seen by the caller's check. With a single core, a small
// count, or when a thread cannot be started, the calling thread does the rest.
void inParallel(int count, const std::function<void(int first, int last)>& work);

// The cores this process may run on (at least 1).
int usableCores();

// Narrows the machine the helpers above and below see, for as long as it
// lives: `cores` usable cores (1 puts all the work on the calling thread),
// on which only `startable` more threads can be started (-1: any number; a
// thread beyond them fails to start as on a machine out of threads). For
// tests, which check that the work and its results do not depend on how it
// is shared out, and for benchmarks that time one thread against two.
class ThreadLimit {
public:
    explicit ThreadLimit(int cores, int startable = -1);
    ~ThreadLimit();
    ThreadLimit(const ThreadLimit&) = delete;
    ThreadLimit& operator=(const ThreadLimit&) = delete;

private:
    int previousCores_;
    int previousStartable_;
};

// What a piece of work run in another thread leaves for the thread that
// waits for it: the floating-point flags it raised and its failure.
struct PartOutcome {
    int flags = 0;
    std::exception_ptr failure;

    // In the other thread: runs work from clear flags and keeps what it leaves.
    void capture(const std::function<void()>& work);
    // In the waiting thread: raises the flags there, then rethrows the failure.
    void deliver() const;
};

// A count that one thread moves on and another waits for. The waiting
// thread spins for a few tens of microseconds, about what the other half of
// a block of work takes on a free core, then sleeps until the count moves:
// on a machine busy with other work the partner may wait for a core for a
// whole time slice, and a spinning thread would take that core from it.
class WaitableCount {
public:
    unsigned value() const { return value_.load(std::memory_order_acquire); }
    void set(unsigned value);
    // Returns the count once it differs from `from`.
    unsigned waitPast(unsigned from);

private:
    std::atomic<unsigned> value_{0};
    std::atomic<int> sleepers_{0};
    std::mutex mutex_;
    std::condition_variable moved_;
};

// A second thread kept for the length of one computation that splits its
// work in two many times over (the elimination, once per block of pivot
// rows), where starting a thread each time would cost more than it saves.
class ThreadPair {
public:
    // Starts the second thread when the process may use more than one core
    // and the thread can be started.
    ThreadPair();
    ~ThreadPair();
    ThreadPair(const ThreadPair&) = delete;
    ThreadPair& operator=(const ThreadPair&) = delete;

    // Whether there is a second thread.
    bool active() const { return worker_.joinable(); }

    // Runs work(0) and work(1), each once, and returns when both are done:
    // work(0) in the calling thread, work(1) in the second thread, or in the
    // calling thread after work(0) when the second thread has not taken it
    // by then (it may be waiting for a core) or there is none. As with
    // inParallel, the floating-point flags work(1) raises are raised in the
    // calling thread too, and a failure of either reaches the caller.
    void run(const std::function<void(int part)>& work);

private:
    void serve();
    // Takes the second part of the work posted as `ticket` for the thread
    // that calls it; false when the other thread has taken it.
    bool claim(unsigned ticket);

    unsigned tickets_ = 0;
    WaitableCount posted_;
    WaitableCount finished_;
    std::atomic<unsigned> claimed_{0};
    std::atomic<bool> stop_{false};
    const std::function<void(int)>* job_ = nullptr;
    PartOutcome outcome_;
    std::thread worker_;
};

} // namespace zorind::solver
