// The guesser presses "Try!": incomplete guesses refused, wrong guesses marked and listed,
// and the right word ends the game.

#include "playersession.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace {

// What a refused guess must leave alone.
struct Board
{
    QStringList marks, lastGuess, list;
    QString counter;

    explicit Board(const rurOvivoze &w)
    {
        for (int i = 0; i < 4; ++i) {
            marks.append(w.LblLet1[i]->text());
            lastGuess.append(w.LblUser1[i]->text());
        }
        for (int row = 0; row < w.LstUsed->count(); ++row)
            list.append(w.LstUsed->item(row)->text());
        counter = w.LblGuess->text();
    }
    bool operator==(const Board &) const = default;
};

} // namespace

class TestTry : public QObject
{
    Q_OBJECT

private slots:
    void incompleteGuess_data();
    void incompleteGuess();
    void wrongGuess_data();
    void wrongGuess();
    void guessesPileUp_data();
    void guessesPileUp();
    void rightGuessWins_data();
    void rightGuessWins();
    void waysToPressTry_data();
    void waysToPressTry();

private:
    void startGuessing(Session &game, const QString &word);
};

void TestTry::startGuessing(Session &game, const QString &word)
{
    QVERIFY(game.startUp());
    QVERIFY(game.playWord(word));
    QCOMPARE(QApplication::focusWidget(), game.window.TxtLet1[0]);
}

void TestTry::incompleteGuess_data()
{
    QTest::addColumn<QStringList>("boxes");

    QTest::newRow("box 2 empty") << QStringList{ "b", "o", "", "k" };
    QTest::newRow("box 2 holds a space") << QStringList{ "b", "o", " ", "k" };
    QTest::newRow("box 0 empty") << QStringList{ "", "o", "o", "k" };
    QTest::newRow("box 0 holds a space") << QStringList{ " ", "o", "o", "k" };
    QTest::newRow("box 3 empty") << QStringList{ "b", "o", "o", "" };
    QTest::newRow("all empty") << QStringList{ "", "", "", "" };
    QTest::newRow("all spaces") << QStringList{ " ", " ", " ", " " };
}

void TestTry::incompleteGuess()
{
    QFETCH(QStringList, boxes);

    Session game;
    startGuessing(game, QStringLiteral("book"));
    rurOvivoze &w = game.window;
    game.tryGuess(QStringLiteral("oops"));
    const Board before(w);

    // Fill the boxes left to right, clicking past the ones left empty.
    for (int i = 0; i < 4; ++i) {
        if (boxes.at(i).isEmpty())
            continue;
        if (QApplication::focusWidget() != w.TxtLet1[i])
            Player::click(w.TxtLet1[i]);
        Player::type(boxes.at(i));
    }
    game.dialogs.answerMessages({ Dialogs::Ok });
    Player::press(Qt::Key_Return);

    QCOMPARE(game.dialogs.shown.size(), 3);
    const ScriptedDialogs::Shown &message = game.dialogs.shown.last();
    QCOMPARE(message.kind, ScriptedDialogs::Shown::Message);
    QCOMPARE(message.prompt, QStringLiteral("Please enter a FULL four-letter word."));
    QCOMPARE(message.buttons, Dialogs::OkOnly);
    QCOMPARE(message.title, QStringLiteral("Quadrel"));
    QCOMPARE(game.boxes(), boxes);
    QCOMPARE(Board(w), before);
    QVERIFY(w.Timer1->isActive());
    QVERIFY(w.CmdTry->isEnabled());
    QCOMPARE(game.dialogs.unanswered, 0);
}

void TestTry::wrongGuess_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("marks");

    // The rule itself is tst_guessmarking's; here the board shows its marks for each box.
    QTest::newRow("oops against book") << "book" << "oops" << "OIXX";
    QTest::newRow("capitals lowered") << "book" << "BOOT" << "IIIX";
    QTest::newRow("mixed case") << "book" << "kOoB" << "OIIO";
    QTest::newRow("nothing in common") << "book" << "tree" << "XXXX";
    QTest::newRow("digits and punctuation") << "12#4" << "1#24" << "IOOI";
    QTest::newRow("word typed in capitals") << "BOOK" << "oops" << "OIXX";
}

void TestTry::wrongGuess()
{
    QFETCH(QString, word);
    QFETCH(QString, typed);
    QFETCH(QString, marks);

    Session game;
    startGuessing(game, word);
    rurOvivoze &w = game.window;
    game.tryGuess(typed);

    for (int i = 0; i < 4; ++i) {
        QCOMPARE(w.LblUser1[i]->text(), typed.mid(i, 1));
        QCOMPARE(w.LblLet1[i]->text(), marks.mid(i, 1));
        QCOMPARE(w.TxtLet1[i]->text(), QString());
    }
    QCOMPARE(w.LstUsed->count(), 2);
    QCOMPARE(w.LstUsed->item(0)->text(), typed.toUpper() + " - " + marks);
    QCOMPARE(w.LstUsed->item(1)->text(), QString());
    QCOMPARE(w.LblGuess->text(), QStringLiteral("1"));
    QCOMPARE(QApplication::focusWidget(), w.TxtLet1[0]);
    QVERIFY(w.Timer1->isActive());
    QVERIFY(w.CmdTry->isEnabled());
    QCOMPARE(game.dialogs.shown.size(), 2);
}

void TestTry::guessesPileUp_data()
{
    QTest::addColumn<QStringList>("guesses");
    QTest::addColumn<QStringList>("list");

    QTest::newRow("three wrong guesses")
            << QStringList{ "oops", "cork", "boot" }
            << QStringList{ "BOOT - IIIX", "CORK - XIXI", "OOPS - OIXX", "" };
    QTest::newRow("the same guess twice")
            << QStringList{ "oops", "oops" } << QStringList{ "OOPS - OIXX", "OOPS - OIXX", "" };
    QTest::newRow("an incomplete guess between")
            << QStringList{ "oops", "oo", "cork" }
            << QStringList{ "CORK - XIXI", "OOPS - OIXX", "" };
}

void TestTry::guessesPileUp()
{
    QFETCH(QStringList, guesses);
    QFETCH(QStringList, list);

    Session game;
    startGuessing(game, QStringLiteral("book"));
    rurOvivoze &w = game.window;
    for (const QString &guess : guesses) {
        game.tryGuess(guess);
        // A refused guess stays in its boxes; the guesser backspaces over it.
        if (guess.size() < 4) {
            for (qsizetype n = 0; n < guess.size(); ++n)
                Player::press(Qt::Key_Backspace);
        }
        QCOMPARE(QApplication::focusWidget(), w.TxtLet1[0]);
    }

    QStringList shown;
    for (int row = 0; row < w.LstUsed->count(); ++row)
        shown.append(w.LstUsed->item(row)->text());
    QCOMPARE(shown, list);
    QCOMPARE(w.LblGuess->text(), QString::number(list.size() - 1));
}

void TestTry::rightGuessWins_data()
{
    QTest::addColumn<QStringList>("wrongFirst");
    QTest::addColumn<QString>("typed");

    QTest::newRow("capitals after two wrong guesses") << QStringList{ "oops", "cork" } << "BOOK";
    QTest::newRow("mixed case after one") << QStringList{ "tree" } << "bOoK";
    QTest::newRow("at the first guess") << QStringList{} << "book";
}

void TestTry::rightGuessWins()
{
    QFETCH(QStringList, wrongFirst);
    QFETCH(QString, typed);

    Session game;
    startGuessing(game, QStringLiteral("book"));
    rurOvivoze &w = game.window;
    for (const QString &guess : wrongFirst)
        game.tryGuess(guess);
    QVERIFY(QTest::qWaitFor([&] { return w.lblTime->text() != QStringLiteral("0.00"); }));
    const Board before(w);

    game.dialogs.answerMessages({ Dialogs::Ok });
    game.tryGuess(typed);
    const QString time = w.lblTime->text();

    QVERIFY(!w.Timer1->isActive());
    QVERIFY(!w.CmdTry->isEnabled());
    for (int i = 0; i < 4; ++i) {
        QVERIFY(!w.TxtLet1[i]->isEnabled());
        QCOMPARE(w.TxtLet1[i]->text(), QString());
        QCOMPARE(w.LblLet1[i]->text(), QString());
        QCOMPARE(w.LblUser1[i]->text(), before.lastGuess.at(i));
    }
    QCOMPARE(game.dialogs.shown.size(), 3);
    const ScriptedDialogs::Shown &message = game.dialogs.shown.last();
    QCOMPARE(message.prompt, "          You Guessed It!\r\n          Congratulations!\r\nYour time was "
                                     + time + " seconds.");
    QCOMPARE(message.buttons, Dialogs::OkOnly);
    QCOMPARE(message.title, QStringLiteral("Quadrel"));
    QCOMPARE(w.LblGuess->text(), before.counter);
    QCOMPARE(w.LstUsed->count(), before.list.size());
    QCOMPARE(w.LstUsed->item(0)->text(), before.list.first());
    if (wrongFirst.isEmpty()) {
        QCOMPARE(w.LblGuess->text(), QString());
        QCOMPARE(w.LstUsed->count(), 1);
        QCOMPARE(w.LstUsed->item(0)->text(), QString());
    }

    QTest::qWait(30);
    QCOMPARE(w.lblTime->text(), time);
    QCOMPARE(game.dialogs.unanswered, 0);
}

void TestTry::waysToPressTry_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("presses");

    QTest::newRow("Enter on Try!") << "enter" << true;
    QTest::newRow("Space on Try!") << "space" << true;
    QTest::newRow("click on Try!") << "click" << true;
    QTest::newRow("Enter in the list") << "list" << true;
    QTest::newRow("Esc") << "escape" << false;
}

void TestTry::waysToPressTry()
{
    QFETCH(QString, way);
    QFETCH(bool, presses);

    Session game;
    startGuessing(game, QStringLiteral("book"));
    rurOvivoze &w = game.window;

    for (const QString &guess : { QStringLiteral("oops"), QStringLiteral("book") }) {
        Player::type(guess);
        QCOMPARE(QApplication::focusWidget(), w.CmdTry);
        if (way == "enter") {
            Player::press(Qt::Key_Return);
        } else if (way == "space") {
            Player::press(Qt::Key_Space);
        } else if (way == "click") {
            Player::click(w.CmdTry);
        } else if (way == "escape") {
            Player::press(Qt::Key_Escape);
        } else {
            Player::click(w.LstUsed->viewport());
            QCOMPARE(QApplication::focusWidget(), w.LstUsed);
            Player::press(Qt::Key_Return);
        }
        if (!presses) {
            QCOMPARE(w.LstUsed->count(), 1);
            QCOMPARE(game.boxes(), Text::graphemes(guess));
            QCOMPARE(game.dialogs.shown.size(), 2);
            return;
        }
    }
    QCOMPARE(w.LstUsed->item(0)->text(), QStringLiteral("OOPS - OIXX"));
    QVERIFY(!w.CmdTry->isEnabled());
    QCOMPARE(game.dialogs.shown.size(), 3);

    // Once the game is won, Enter in the list presses nothing.
    Player::click(w.LstUsed->viewport());
    Player::press(Qt::Key_Return);
    QCOMPARE(game.dialogs.shown.size(), 3);
    QCOMPARE(w.LstUsed->count(), 2);
}

QTEST_MAIN(TestTry)
#include "tst_try.moc"
