// Hostile and unusual input through the real widgets: nothing crashes, the game keeps its
// rules, and whatever a player typed is shown as typed, never as markup.

#include "playersession.h"
#include "sampletexts.h"

#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace {

const QString longName = QString(10000, u'n');

} // namespace

class TestBadInput : public QObject
{
    Q_OBJECT

private slots:
    void namesShownLiterally_data();
    void namesShownLiterally();
    void hugePasteIntoWordEntry();
    void hugePasteIntoLetterBox();
    void guessesOfEveryKind_data();
    void guessesOfEveryKind();
    void thousandGuessesTypedFast();
    void tenThousandWrongGuesses();
};

void TestBadInput::namesShownLiterally_data()
{
    QTest::addColumn<QString>("name");

    QTest::newRow("markup") << "<b>Ann</b>";
    QTest::newRow("ampersand") << "A&B";
    QTest::newRow("entity") << "&lt;Bob&gt;";
    QTest::newRow("10,000 characters") << longName;
    QTest::newRow("right to left") << "\u05D3\u05E0\u05D4 \u0645\u0631\u064A\u0645";
    QTest::newRow("emoji with joiners")
            << joinedFamily + thumbs;
    QTest::newRow("combining accents") << "Ame\u0301lie";
    QTest::newRow("control characters") << QStringLiteral("A\tB\aC\x1b");
    QTest::newRow("NUL inside") << QStringLiteral("An") + QChar(0) + QStringLiteral("n");
    QTest::newRow("only spaces") << "   ";
}

void TestBadInput::namesShownLiterally()
{
    QFETCH(QString, name);

    Session game;
    QVERIFY(game.startUp({ name, QStringLiteral("Bob") }));

    QCOMPARE(game.window.Label1->textFormat(), Qt::PlainText);
    QCOMPARE(game.window.Label1->text(), "This Game:\n\n" + name + " chooses;\nBob guesses.");

    Player::press(Qt::Key_H, Qt::ControlModifier);
    QCOMPARE(game.dialogs.shown.size(), 3);
    QVERIFY(game.dialogs.shown.last().prompt.startsWith("Bob, it is your job to try to guess\r\n"
                                                   "the word that " + name + " enters.\r\n"));

    QVERIFY(Player::activate(&game.window));
    QVERIFY(game.newGame());
    const frmGetWord &dialog = game.dialog();
    QCOMPARE(dialog.LblWord->textFormat(), Qt::PlainText);
    QCOMPARE(dialog.LblWord->text(), name + ", enter a four-letter word:");
    QCOMPARE(game.end.calls, 0);
    QCOMPARE(game.dialogs.unanswered, 1); // the How to Play box, answered OK by default
}

void TestBadInput::hugePasteIntoWordEntry()
{
    Session game;
    QVERIFY(game.startUp());
    QVERIFY(game.newGame());
    frmGetWord &dialog = game.dialog();

    QApplication::clipboard()->setText(QStringLiteral("wxyz") + QString(1 << 20, u'q'));
    QTest::keyClick(dialog.Text1, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(dialog.Text1->text(), QStringLiteral("wxyz"));
    QTest::keyClick(dialog.Text1, Qt::Key_Return);
    QCOMPARE(game.window.word.value(), QStringLiteral("wxyz"));
}

void TestBadInput::hugePasteIntoLetterBox()
{
    Session game;
    QVERIFY(game.startUp());
    QVERIFY(game.playWord(QStringLiteral("book")));

    QTest::keyClicks(game.window.TxtLet1[0], QStringLiteral("b"));
    QCOMPARE(QApplication::focusWidget(), game.window.TxtLet1[1]);
    QApplication::clipboard()->setText(QString(1 << 20, u'o'));
    QTest::keyClick(game.window.TxtLet1[1], Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(game.window.TxtLet1[1]->text(), QString());
    QCOMPARE(QApplication::focusWidget(), game.window.TxtLet1[1]);
    QCOMPARE(game.window.TxtLet1[0]->text(), QStringLiteral("b"));
}

void TestBadInput::guessesOfEveryKind_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("guess");
    QTest::addColumn<QString>("row");

    QTest::newRow("markup characters")
            << "<b>x" << QStringList{ ">", "b", "<", "&" } << ">B<& - OIOX";
    QTest::newRow("emoji") << thumbs + "abc" << QStringList{ "a", thumbs, bareThumb, "c" }
                           << "A" + thumbs + bareThumb + "C - OOXI";
    QTest::newRow("combining accent")
            << "caf" + eAcute << QStringList{ eAcute, "a", "f", "e" } << "E\u0301AFE - OIIX";
    QTest::newRow("right to left")
            << "\u05D0\u05D1\u05D2\u05D3" << QStringList{ "\u05D3", "\u05D1", "x", "\u05D0" }
            << "\u05D3\u05D1X\u05D0 - OIXO";
}

void TestBadInput::guessesOfEveryKind()
{
    QFETCH(QString, word);
    QFETCH(QStringList, guess);
    QFETCH(QString, row);

    Session game;
    QVERIFY(game.startUp());
    QVERIFY(game.playWord(word));

    for (int i = 0; i < 4; ++i) {
        QCOMPARE(QApplication::focusWidget(), game.window.TxtLet1[i]);
        Player::type(guess.at(i));
        QCOMPARE(game.window.TxtLet1[i]->text(), guess.at(i));
    }
    QCOMPARE(QApplication::focusWidget(), game.window.CmdTry);
    QTest::keyClick(game.window.CmdTry, Qt::Key_Return);

    QCOMPARE(game.window.LstUsed->item(0)->text(), row);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(game.window.LblUser1[i]->text(), guess.at(i));
        QCOMPARE(game.window.LblUser1[i]->textFormat(), Qt::PlainText);
    }
    QCOMPARE(game.window.LblGuess->text(), QStringLiteral("1"));
    QCOMPARE(game.dialogs.unanswered, 0);
}

void TestBadInput::thousandGuessesTypedFast()
{
    Session game;
    QVERIFY(game.startUp());
    QVERIFY(game.playWord(QStringLiteral("book")));

    const QString alphabet = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789");
    for (int n = 0; n < 1000; ++n) {
        QString guess;
        for (int k = 0, m = n; k < 4; ++k, m /= 7)
            guess += alphabet.at((m * 5 + k * 11 + n) % alphabet.size());
        if (guess == QStringLiteral("book"))
            guess = QStringLiteral("boo!");
        for (QChar c : guess)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        if (game.window.LblGuess->text() != QString::number(n + 1))
            QFAIL(qPrintable(guess + " was not counted"));
    }
    QCOMPARE(game.window.LblGuess->text(), QStringLiteral("1000"));
    QCOMPARE(game.window.LstUsed->count(), 1001);
    QCOMPARE(game.window.LstUsed->item(1000)->text(), QString());
    QCOMPARE(QApplication::focusWidget(), game.window.TxtLet1[0]);
    QCOMPARE(game.dialogs.shown.size(), 2); // the two names; no message on the way
}

void TestBadInput::tenThousandWrongGuesses()
{
    Session game;
    QVERIFY(game.startUp());
    QVERIFY(game.playWord(QStringLiteral("book")));

    const int guesses = 10000;
    for (int n = 0; n < guesses; ++n) {
        const QString guess = QString::number(1000 + n % 9000);
        for (int i = 0; i < 4; ++i)
            game.window.TxtLet1[i]->setText(guess.mid(i, 1));
        game.window.CmdTry->click();
        if (game.window.LstUsed->item(0)->text() != guess + " - XXXX")
            QFAIL(qPrintable("row " + QString::number(n) + ": " + game.window.LstUsed->item(0)->text()));
    }
    QCOMPARE(game.window.LblGuess->text(), QString::number(guesses));
    QCOMPARE(game.window.LstUsed->count(), guesses + 1);
    QCOMPARE(game.window.LstUsed->item(guesses - 1)->text(), QStringLiteral("1000 - XXXX"));
    QCOMPARE(game.window.LstUsed->item(guesses)->text(), QString());

    // The game goes on normally after the soak: the right word still wins.
    for (int i = 0; i < 4; ++i)
        game.window.TxtLet1[i]->setText(QStringLiteral("book").mid(i, 1));
    game.window.CmdTry->click();
    QVERIFY(!game.window.Timer1->isActive());
    QVERIFY(game.dialogs.prompts().last().startsWith(QStringLiteral("          You Guessed It!")));
}

QTEST_MAIN(TestBadInput)
#include "tst_badinput.moc"
