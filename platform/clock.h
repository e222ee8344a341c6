#pragma once

#include <QElapsedTimer>

#include <functional>

// Seconds since local midnight, with fractions.
//
// The wall clock is read once, when the clock is made; from then on the reading advances
// with a monotonic timer, so setting the system clock or a daylight-saving change cannot
// make a running game jump. Readings wrap at midnight, and elapsed() undoes the wrap.
class Clock
{
public:
    static constexpr double secondsPerDay = 86400.0;

    using SecondsSource = std::function<double()>;

    // The process-wide clock the game reads.
    static Clock &game();

    // For tests: where the time of day at start comes from, and how many seconds have
    // passed on a monotonic timer since an arbitrary origin.
    Clock(const SecondsSource &timeOfDayAtStart, SecondsSource monotonicSeconds);

    double now() const;

    // Seconds from `start` to `end`, two readings of now(); never negative, and right
    // across midnight for any span shorter than a day.
    static double elapsed(double start, double end);

private:
    Clock();

    double m_startOfDay;
    double m_monotonicAtStart;
    SecondsSource m_monotonic;
};
