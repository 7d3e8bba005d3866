#include "core/solver/Parallel.h"

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

void PartOutcome::capture(const std::function<void()>& work)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    failure = nullptr;
    try {
        work();
    } catch (...) {
        failure = std::current_exception();
    }
    flags = std::fetestexcept(FE_ALL_EXCEPT);
}

void PartOutcome::deliver() const
{
    if (flags != 0) {
        std::feraiseexcept(flags);
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
}

void inParallel(int count, const std::function<void(int first, int last)>& work)
{
    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const int parts = count < kSmallest ? 1 : std::min(cores, count / (kSmallest / 2));
    if (parts <= 1) {
        work(1, count);
        return;
    }
    std::vector<PartOutcome> outcomes(static_cast<std::size_t>(parts));
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
                const std::pair<int, int> own = range(part, parts);
                outcomes[static_cast<std::size_t>(part)].capture([&] { work(own.first, own.second); });
            });
            ++started;
        } catch (const std::system_error&) {
            break;
        }
    }
    // The calling thread takes the first range and whatever no thread took;
    // its own flags stay where they are.
    try {
        work(range(0, parts).first, range(0, parts).second);
        if (started < parts) {
            work(range(started, parts).first, count);
        }
    } catch (...) {
        outcomes[0].failure = std::current_exception();
    }
    for (std::thread& t : threads) {
        t.join();
    }
    for (const PartOutcome& outcome : outcomes) {
        outcome.deliver();
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
        outcome_.capture([this] { (*job_)(1); });
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
    if (own) {
        std::rethrow_exception(own);
    }
    outcome_.deliver();
}

} // namespace zorind::solver
