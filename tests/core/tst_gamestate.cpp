#include "gamestate.h"

#include <QTest>

class TestGameState : public QObject
{
    Q_OBJECT

private slots:
    void startsEmpty();
    void emptyCountsAsZeroAndReadsAsNothing();
};

void TestGameState::startsEmpty()
{
    const GameState state;
    QVERIFY(state.Play1.isEmpty());
    QVERIFY(state.Play2.isEmpty());
    QVERIFY(state.word.isEmpty());
    QVERIFY(!state.change.isValid());
    QVERIFY(state.keep.isEmpty());
    QVERIFY(state.switch_.isEmpty());
    QVERIFY(state.gCounter.isEmpty());
    QVERIFY(state.gCounter2.isEmpty());
    QVERIFY(state.user.isEmpty());
    QVERIFY(state.firstime.isEmpty());
    QCOMPARE(state.gTime, 0.0);
    QCOMPARE(state.realTime, 0.0);
}

void TestGameState::emptyCountsAsZeroAndReadsAsNothing()
{
    GameState state;
    QVERIFY(state.keep != 6 && state.keep != 7 && state.firstime != 1);
    QCOMPARE("The word is " + state.word + ".", QStringLiteral("The word is ."));

    state.firstime = state.firstime + 1;
    QVERIFY(!state.firstime.isEmpty());
    QCOMPARE(qint16(state.firstime), qint16(1));

    state.word = QStringLiteral("book");
    QCOMPARE("The word is " + state.word + ".", QStringLiteral("The word is book."));
    state.keep = 7;
    QCOMPARE(state.keep.value(), 7);
}

QTEST_APPLESS_MAIN(TestGameState)
#include "tst_gamestate.moc"
