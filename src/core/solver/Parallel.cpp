#include "solver/Parallel.h"

#include <algorithm>
#include <cfenv>
#include <exception>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace zorind::solver {

namespace {

// Below this many items a second thread costs more than it saves.
constexpr int kSmallest = 64;

} // namespace

void inParallel(int count, const std::function<void(int first, int last)>& work)
{
    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const int parts = count < kSmallest ? 1 : std::min(cores, count / (kSmallest / 2));
    if (parts <= 1) {
        work(1, count);
        return;
    }
    std::vector<int> flags(static_cast<std::size_t>(parts), 0);
    std::vector<std::exception_ptr> failures(static_cast<std::size_t>(parts));
    std::vector<std::thread> threads;
    int started = 1;
    auto range = [&](int part, int of) {
        const int first = 1 + static_cast<int>(static_cast<long long>(count) * part / of);
        const int last = static_cast<int>(static_cast<long long>(count) * (part + 1) / of);
        return std::pair<int, int>(first, last);
    };
    for (int part = 1; part < parts; ++part) {
        try {
            threads.emplace_back([&, part] {
                std::feclearexcept(FE_ALL_EXCEPT);
                const auto [first, last] = range(part, parts);
                try {
                    work(first, last);
                } catch (...) {
                    failures[static_cast<std::size_t>(part)] = std::current_exception();
                }
                flags[static_cast<std::size_t>(part)] = std::fetestexcept(FE_ALL_EXCEPT);
            });
            ++started;
        } catch (const std::system_error&) {
            break;
        }
    }
    // The calling thread takes the first range and whatever no thread took.
    try {
        work(range(0, parts).first, range(0, parts).second);
        if (started < parts) {
            work(range(started, parts).first, count);
        }
    } catch (...) {
        failures[0] = std::current_exception();
    }
    for (std::thread& t : threads) {
        t.join();
    }
    for (const std::exception_ptr& failure : failures) {
        if (failure) {
            std::rethrow_exception(failure);
        }
    }
    for (int f : flags) {
        if (f != 0) {
            std::feraiseexcept(f);
        }
    }
}

namespace {

// One step of a wait by spinning: a pause for the core's sibling, and now
// and then the rest of the time slice, should the other thread be waiting
// for this core.
void spinOnce(unsigned& spins)
{
    if (++spins % 256 == 0) {
        std::this_thread::yield();
    } else {
#if defined(__x86_64__) || defined(__i386__)
        __builtin_ia32_pause();
#endif
    }
}

} // namespace

ThreadPair::ThreadPair()
{
    if (std::thread::hardware_concurrency() < 2) {
        return;
    }
    try {
        worker_ = std::thread([this] { serve(); });
    } catch (const std::system_error&) {
        // No second thread: run() does both parts itself.
    }
}

ThreadPair::~ThreadPair()
{
    if (worker_.joinable()) {
        stop_.store(true, std::memory_order_release);
        worker_.join();
    }
}

void ThreadPair::serve()
{
    unsigned seen = 0;
    unsigned spins = 0;
    for (;;) {
        const unsigned posted = posted_.load(std::memory_order_acquire);
        if (posted == seen) {
            if (stop_.load(std::memory_order_acquire)) {
                return;
            }
            spinOnce(spins);
            continue;
        }
        seen = posted;
        std::feclearexcept(FE_ALL_EXCEPT);
        try {
            (*job_)(1);
        } catch (...) {
            failure_ = std::current_exception();
        }
        flags_ = std::fetestexcept(FE_ALL_EXCEPT);
        finished_.store(seen, std::memory_order_release);
    }
}

void ThreadPair::run(const std::function<void(int part)>& work)
{
    if (!worker_.joinable()) {
        work(0);
        work(1);
        return;
    }
    job_ = &work;
    flags_ = 0;
    failure_ = nullptr;
    const unsigned ticket = posted_.load(std::memory_order_relaxed) + 1;
    posted_.store(ticket, std::memory_order_release);
    std::exception_ptr own;
    try {
        work(0);
    } catch (...) {
        own = std::current_exception();
    }
    unsigned spins = 0;
    while (finished_.load(std::memory_order_acquire) != ticket) {
        spinOnce(spins);
    }
    if (flags_ != 0) {
        std::feraiseexcept(flags_);
    }
    if (own) {
        std::rethrow_exception(own);
    }
    if (failure_) {
        std::rethrow_exception(failure_);
    }
}

} // namespace zorind::solver
