// The game clock as the players watch it: when it runs, what it shows, and when it stops.
// Shown times are checked against a stopwatch of the test's own, never by counting ticks.

#include "playersession.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTimer>

namespace {

const QRegularExpression twoDecimals(QStringLiteral("^\\d+\\.\\d\\d$"));

// What the clock label shows after each tick, with the stopwatch's reading at that moment.
// It listens after the game's own tick procedure, so it sees the caption that tick wrote.
class TickLog : public QObject
{
public:
    explicit TickLog(const rurOvivoze &w)
    {
        stopwatch.start();
        connect(w.Timer1, &QTimer::timeout, this, [this, &w] {
            captions.append(w.lblTime->text());
            seconds.append(stopwatch.nsecsElapsed() / 1e9);
        });
    }
    QElapsedTimer stopwatch;
    QStringList captions;
    QList<double> seconds;
};

double shown(const rurOvivoze &w)
{
    return w.lblTime->text().toDouble();
}

} // namespace

class TestClockFlow : public QObject
{
    Q_OBJECT

private slots:
    void stillBeforeTheFirstGame();
    void runsFromTheAcceptedWord_data();
    void runsFromTheAcceptedWord();
    void longGamesShowAllTheirSeconds_data();
    void longGamesShowAllTheirSeconds();
    void stopsAtAWin();
    void stopsAtANewGame_data();
    void stopsAtANewGame();
};

void TestClockFlow::stillBeforeTheFirstGame()
{
    Session game;
    QVERIFY(game.startUp());
    const rurOvivoze &w = game.window;
    QVERIFY(!w.Timer1->isActive());
    QTest::qWait(50);
    QCOMPARE(w.lblTime->text(), QStringLiteral("0.00"));

    QVERIFY(game.newGame());
    QTest::qWait(50);
    QVERIFY(!w.Timer1->isActive());
    QCOMPARE(w.lblTime->text(), QStringLiteral("0.00"));
}

void TestClockFlow::runsFromTheAcceptedWord_data()
{
    QTest::addColumn<double>("gameBefore"); // seconds of an earlier game; 0: none

    QTest::newRow("first game") << 0.0;
    QTest::newRow("after a game of a fifth of a second") << 0.2;
}

void TestClockFlow::runsFromTheAcceptedWord()
{
    QFETCH(double, gameBefore);

    Session game;
    QVERIFY(game.startUp());
    rurOvivoze &w = game.window;
    if (gameBefore > 0) {
        QVERIFY(game.playWord(QStringLiteral("book")));
        QVERIFY(QTest::qWaitFor([&] { return shown(w) >= gameBefore; }));
        game.tryGuess(QStringLiteral("book"));
    }
    const QString before = w.lblTime->text();

    QVERIFY(game.newGame());
    Player::type(QStringLiteral("tree"));
    const TickLog ticks(w);
    Player::press(Qt::Key_Return);
    const double pressed = ticks.stopwatch.nsecsElapsed() / 1e9;
    QCOMPARE(w.lblTime->text(), before); // until the first tick

    QVERIFY(QTest::qWaitFor([&] {
        return !ticks.captions.isEmpty() && ticks.captions.last().toDouble() >= 0.15;
    }));
    for (qsizetype n = 0; n < ticks.captions.size(); ++n) {
        const QString caption = ticks.captions.at(n);
        QVERIFY2(twoDecimals.match(caption).hasMatch(), qPrintable(caption));
        // The game's tick ran after the log's previous entry and before this one; the
        // word was accepted while Enter was down. Captions are rounded to hundredths.
        const double value = caption.toDouble();
        const double earliest = (n > 0 ? ticks.seconds.at(n - 1) : 0.0) - pressed;
        QVERIFY2(value >= earliest - 0.005 - 1e-9, qPrintable(caption));
        QVERIFY2(value <= ticks.seconds.at(n) + 0.005 + 1e-9, qPrintable(caption));
        if (n > 0)
            QVERIFY(value >= ticks.captions.at(n - 1).toDouble());
    }
}

void TestClockFlow::longGamesShowAllTheirSeconds_data()
{
    QTest::addColumn<double>("started"); // seconds before the word was accepted
    QTest::addColumn<QString>("locale");

    QTest::newRow("half a second") << 0.5 << "C";
    QTest::newRow("seven seconds") << 7.006 << "C";
    QTest::newRow("a minute") << 65.4321 << "C";
    QTest::newRow("two minutes") << 125.0 << "C";
    QTest::newRow("three hours") << 3 * 3600.0 << "C";
    QTest::newRow("three hours, German") << 3 * 3600.0 << "de_DE";
}

// Nobody waits an hour in a test: the game's start is moved back instead.
void TestClockFlow::longGamesShowAllTheirSeconds()
{
    QFETCH(double, started);
    QFETCH(QString, locale);

    const auto restoreLocale = qScopeGuard([previous = QLocale()] { QLocale::setDefault(previous); });
    QLocale::setDefault(QLocale(locale));
    Session game;
    QVERIFY(game.startUp());
    rurOvivoze &w = game.window;
    QVERIFY(game.newGame());
    const QElapsedTimer stopwatch = [] { QElapsedTimer t; t.start(); return t; }();
    QVERIFY(game.enterWord(QStringLiteral("book")));
    w.realTime -= started;

    QVERIFY(QTest::qWaitFor([&] { return shown(w) >= started - 0.005; }));
    game.tryGuess(QStringLiteral("book"));
    const double playedAfter = stopwatch.nsecsElapsed() / 1e9;

    const QString caption = w.lblTime->text();
    QVERIFY2(twoDecimals.match(caption).hasMatch(), qPrintable(caption));
    QVERIFY2(caption.toDouble() <= started + playedAfter + 0.005, qPrintable(caption));
    QVERIFY(game.dialogs.prompts().last().endsWith("Your time was " + caption + " seconds."));
}

void TestClockFlow::stopsAtAWin()
{
    Session game;
    QVERIFY(game.startUp());
    rurOvivoze &w = game.window;
    QVERIFY(game.newGame());
    const TickLog ticks(w);
    QVERIFY(game.enterWord(QStringLiteral("book")));
    QVERIFY(QTest::qWaitFor([&] { return shown(w) >= 0.1; }));
    const double lastSeen = shown(w);

    Player::type(QStringLiteral("book"));
    const double won = ticks.stopwatch.nsecsElapsed() / 1e9;
    Player::press(Qt::Key_Return);
    QVERIFY(!w.Timer1->isActive());
    const QString time = w.lblTime->text();
    QVERIFY(time.toDouble() >= lastSeen);
    QVERIFY(time.toDouble() <= won + 0.005);
    QVERIFY(game.dialogs.prompts().last().endsWith("Your time was " + time + " seconds."));

    QTest::qWait(50);
    QCOMPARE(w.lblTime->text(), time);
}

void TestClockFlow::stopsAtANewGame_data()
{
    QTest::addColumn<int>("keepNames");

    QTest::newRow("same names") << int(Dialogs::Yes);
    QTest::newRow("new names") << int(Dialogs::No);
}

void TestClockFlow::stopsAtANewGame()
{
    QFETCH(int, keepNames);

    Session game;
    QVERIFY(game.startUp());
    rurOvivoze &w = game.window;
    QVERIFY(game.playWord(QStringLiteral("book")));
    QVERIFY(QTest::qWaitFor([&] { return shown(w) >= 0.05; }));
    game.tryGuess(QStringLiteral("oops"));

    game.dialogs.answerInputs({ QStringLiteral("Cy"), QStringLiteral("Di") });
    QVERIFY(game.newGame(keepNames));
    QVERIFY(!w.Timer1->isActive());
    const QString stopped = w.lblTime->text();
    QVERIFY(shown(w) >= 0.05);

    // The chooser takes a while over the word; the board keeps the old time meanwhile.
    QTest::qWait(50);
    QCOMPARE(w.lblTime->text(), stopped);
    QVERIFY(game.enterWord(QStringLiteral("tree")));
    QVERIFY(w.Timer1->isActive());
    QVERIFY(QTest::qWaitFor([&] { return w.lblTime->text() != stopped; }));
}

QTEST_MAIN(TestClockFlow)
#include "tst_clockflow.moc"
