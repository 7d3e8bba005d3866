#pragma once

// Shared by the two start-up probes: the time from the moment the driver
// started the process (microseconds since the epoch, `--since US`, as bash's
// EPOCHREALTIME gives them) to the first paint of a widget, and the
// processor time the process has had by then, written to the standard output
// in milliseconds; then the program ends.

#include <QEvent>
#include <QObject>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace zorind::bench {

inline long long microsecondsNow()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

inline long long sinceArgument(int argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--since") == 0) {
            return std::atoll(argv[i + 1]);
        }
    }
    return microsecondsNow();
}

class FirstPaint : public QObject {
public:
    FirstPaint(QObject* target, long long since) : target_(target), since_(since) { target->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == target_ && event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // The processor time (all threads) changes less than the wall
            // time on a busy machine.
            timespec cpu{};
            clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
            std::printf("%.3f %.3f\n", static_cast<double>(microsecondsNow() - since_) / 1e3,
                        static_cast<double>(cpu.tv_sec) * 1e3 + static_cast<double>(cpu.tv_nsec) / 1e6);
            std::fflush(stdout);
            // At once, without asking: the program's window would offer to
            // save before it closes.
            std::_Exit(0);
        }
        return false;
    }

private:
    QObject* target_;
    long long since_;
    bool seen_ = false;
};

} // namespace zorind::bench
