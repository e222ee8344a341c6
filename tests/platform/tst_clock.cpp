#include "clock.h"

#include <QTest>

class TestClock : public QObject
{
    Q_OBJECT

private slots:
    void elapsed_data();
    void elapsed();
    void followsMonotonicTimeAcrossMidnight();
    void ignoresWallClockChanges();
    void realClockAdvances();
};

void TestClock::elapsed_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end");
    QTest::addColumn<double>("seconds");

    QTest::newRow("same day") << 100.0 << 165.4321 << 65.4321;
    QTest::newRow("no time") << 5.0 << 5.0 << 0.0;
    QTest::newRow("across midnight") << 86399.5 << 0.75 << 1.25;
    QTest::newRow("long game across midnight") << 86000.0 << 400.0 << 800.0;
}

void TestClock::elapsed()
{
    QFETCH(double, start);
    QFETCH(double, end);
    QFETCH(double, seconds);
    const double result = Clock::elapsed(start, end);
    QVERIFY(result >= 0);
    QVERIFY2(qAbs(result - seconds) < 1e-9, qPrintable(QString::number(result, 'f', 6)));
}

void TestClock::followsMonotonicTimeAcrossMidnight()
{
    double monotonic = 1000.0;
    const Clock clock([] { return 86399.0; }, [&] { return monotonic; });

    const double start = clock.now();
    QCOMPARE(start, 86399.0);
    monotonic += 0.5;
    QCOMPARE(clock.now(), 86399.5);
    monotonic += 1.25;
    QCOMPARE(clock.now(), 0.75);
    QCOMPARE(Clock::elapsed(start, clock.now()), 1.75);
}

void TestClock::ignoresWallClockChanges()
{
    // The wall clock is set back an hour (or a daylight-saving change happens) mid-game.
    double wall = 43200.0;
    double monotonic = 0.0;
    const Clock clock([&] { return wall; }, [&] { return monotonic; });

    const double start = clock.now();
    wall -= 3600.0;
    monotonic += 10.0;
    QCOMPARE(Clock::elapsed(start, clock.now()), 10.0);
    wall += 7200.0;
    monotonic += 5.0;
    QCOMPARE(Clock::elapsed(start, clock.now()), 15.0);
}

void TestClock::realClockAdvances()
{
    const double start = Clock::game().now();
    QVERIFY(start >= 0 && start < Clock::secondsPerDay);
    QTest::qSleep(20);
    const double passed = Clock::elapsed(start, Clock::game().now());
    QVERIFY2(passed >= 0.015 && passed < 60, qPrintable(QString::number(passed)));
}

QTEST_APPLESS_MAIN(TestClock)
#include "tst_clock.moc"
