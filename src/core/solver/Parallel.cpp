#include "core/solver/Parallel.h"

#include <algorithm>
#include <cerrno>
#include <cfenv>
#include <chrono>
#include <exception>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#if defined(__linux__)
#include <sched.h>
#endif

namespace zorind::solver {

namespace {

// Below this many items a second thread costs more than it saves.
constexpr int kSmallest = 64;

// How long a waiting thread spins before it sleeps.
constexpr std::chrono::microseconds kSpinFor{20};

// What a ThreadLimit narrows: 0 usable cores means the process's own.
std::atomic<int> limitedCores{0};
std::atomic<int> startableThreads{-1};

// A new thread running body, or std::system_error when it cannot start.
template <class Body>
std::thread startThread(Body&& body)
{
    int left = startableThreads.load(std::memory_order_relaxed);
    while (left >= 0) {
        if (left == 0) {
            throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
        }
        if (startableThreads.compare_exchange_weak(left, left - 1, std::memory_order_relaxed)) {
            break;
        }
    }
    return std::thread(std::forward<Body>(body));
}

void pause()
{
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#endif
}

} // namespace

int usableCores()
{
    const int limited = limitedCores.load(std::memory_order_relaxed);
    if (limited > 0) {
        return limited;
    }
#if defined(__linux__)
    // The cores the process is allowed on, which a `taskset` or a container
    // may make fewer than the machine's.
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) == 0) {
        return std::max(1, CPU_COUNT(&set));
    }
#endif
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

ThreadLimit::ThreadLimit(int cores, int startable)
    : previousCores_(limitedCores.exchange(std::max(1, cores))),
      previousStartable_(startableThreads.exchange(std::max(-1, startable)))
{
}

ThreadLimit::~ThreadLimit()
{
    limitedCores.store(previousCores_);
    startableThreads.store(previousStartable_);
}

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
    const int parts = count < kSmallest ? 1 : std::min(usableCores(), count / (kSmallest / 2));
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
            threads.push_back(startThread([&, part] {
                const std::pair<int, int> own = range(part, parts);
                outcomes[static_cast<std::size_t>(part)].capture([&] { work(own.first, own.second); });
            }));
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

void WaitableCount::set(unsigned value)
{
    // Sequentially consistent with the sleepers' count: either a thread on
    // its way to sleep sees the new value, or this sees it coming and wakes it.
    value_.store(value, std::memory_order_seq_cst);
    if (sleepers_.load(std::memory_order_seq_cst) != 0) {
        {
            const std::lock_guard<std::mutex> hold(mutex_);
        }
        moved_.notify_all();
    }
}

unsigned WaitableCount::waitPast(unsigned from)
{
    const auto start = std::chrono::steady_clock::now();
    for (unsigned spins = 1;; ++spins) {
        const unsigned now = value_.load(std::memory_order_acquire);
        if (now != from) {
            return now;
        }
        pause();
        if (spins % 64 == 0 && std::chrono::steady_clock::now() - start > kSpinFor) {
            break;
        }
    }
    sleepers_.fetch_add(1, std::memory_order_seq_cst);
    unsigned now = from;
    {
        std::unique_lock<std::mutex> hold(mutex_);
        moved_.wait(hold, [&] {
            now = value_.load(std::memory_order_seq_cst);
            return now != from;
        });
    }
    sleepers_.fetch_sub(1, std::memory_order_relaxed);
    return now;
}

ThreadPair::ThreadPair()
{
    if (usableCores() < 2) {
        return;
    }
    try {
        worker_ = startThread([this] { serve(); });
    } catch (const std::system_error&) {
        // No second thread: run() does both parts itself.
    }
}

ThreadPair::~ThreadPair()
{
    if (worker_.joinable()) {
        stop_.store(true, std::memory_order_release);
        posted_.set(tickets_ + 1);
        worker_.join();
    }
}

bool ThreadPair::claim(unsigned ticket)
{
    unsigned previous = ticket - 1;
    return claimed_.compare_exchange_strong(previous, ticket, std::memory_order_acq_rel);
}

void ThreadPair::serve()
{
    unsigned seen = 0;
    for (;;) {
        seen = posted_.waitPast(seen);
        if (stop_.load(std::memory_order_acquire)) {
            return;
        }
        // A ticket the calling thread has already taken (this thread came
        // late) is left alone.
        if (claim(seen)) {
            outcome_.capture([this] { (*job_)(1); });
            finished_.set(seen);
        }
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
    const unsigned ticket = ++tickets_;
    posted_.set(ticket);
    std::exception_ptr own;
    try {
        work(0);
    } catch (...) {
        own = std::current_exception();
    }
    if (claim(ticket)) {
        // Still untaken: the second thread is not running, and waiting for
        // it would take longer than doing the part here.
        if (!own) {
            work(1);
        }
    } else {
        for (unsigned done = finished_.value(); done != ticket;) {
            done = finished_.waitPast(done);
        }
    }
    if (own) {
        std::rethrow_exception(own);
    }
    if (finished_.value() == ticket) {
        outcome_.deliver();
    }
}

} // namespace zorind::solver
