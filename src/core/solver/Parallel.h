#pragma once

#include <atomic>
#include <exception>
#include <functional>
#include <thread>

namespace zorind::solver {

// Runs work(first, last) over [1, count] split into contiguous ranges, one per
// core (the calling thread takes the first), and returns when all are done.
// The ranges must be independent of each other. The floating-point status
// flags the ranges raise are raised in the calling thread too, so that a
// fault anywhere is seen by the caller's check. With a single core, a small
// count, or when a thread cannot be started, the calling thread does the rest.
void inParallel(int count, const std::function<void(int first, int last)>& work);

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

// A second thread kept for the length of one computation that splits its
// work in two many times over (the elimination, once per block of pivot
// rows), where starting a thread each time would cost more than it saves.
// Between two pieces of work the second thread waits spinning, so that it
// starts at once; it is meant for a few milliseconds of work, not to sit idle.
class ThreadPair {
public:
    // Starts the second thread when the machine has more than one core and
    // the thread can be started.
    ThreadPair();
    ~ThreadPair();
    ThreadPair(const ThreadPair&) = delete;
    ThreadPair& operator=(const ThreadPair&) = delete;

    // Whether there is a second thread.
    bool active() const { return worker_.joinable(); }

    // Runs work(0) in the calling thread and work(1) in the second one (or
    // both in the calling thread, one after the other, without a second
    // thread) and returns when both are done. As with inParallel, the
    // floating-point flags work(1) raises are raised in the calling thread
    // too, and a failure of either reaches the caller.
    void run(const std::function<void(int part)>& work);

private:
    void serve();

    std::atomic<unsigned> posted_{0};
    std::atomic<unsigned> finished_{0};
    std::atomic<bool> stop_{false};
    const std::function<void(int)>* job_ = nullptr;
    PartOutcome outcome_;
    std::thread worker_;
};

} // namespace zorind::solver
