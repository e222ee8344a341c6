#include "clock.h"

#include <QTime>

#include <cmath>

namespace {

double wrapToDay(double seconds)
{
    const double wrapped = std::fmod(seconds, Clock::secondsPerDay);
    return wrapped < 0 ? wrapped + Clock::secondsPerDay : wrapped;
}

} // namespace

Clock &Clock::game()
{
    static Clock clock;
    return clock;
}

Clock::Clock()
    : Clock([] { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; },
            [timer = [] { QElapsedTimer t; t.start(); return t; }()] {
                return timer.nsecsElapsed() / 1e9;
            })
{
}

Clock::Clock(const SecondsSource &timeOfDayAtStart, SecondsSource monotonicSeconds)
    : m_startOfDay(timeOfDayAtStart())
    , m_monotonicAtStart(monotonicSeconds())
    , m_monotonic(std::move(monotonicSeconds))
{
}

double Clock::now() const
{
    return wrapToDay(m_startOfDay + (m_monotonic() - m_monotonicAtStart));
}

double Clock::elapsed(double start, double end)
{
    return wrapToDay(end - start);
}
