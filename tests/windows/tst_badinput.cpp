// Hostile and unusual input through the real widgets: nothing crashes, the game keeps its
// rules, and whatever a player typed is shown as typed, never as markup.

#include "frmgetword.h"
#include "rurovivoze.h"
#include "scripteddialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const QString longName = QString(10000, u'n');
const QString family = QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467");
const QString thumbs = QStringLiteral("\U0001F44D\U0001F3FD");

// Types text the way a keyboard or input method delivers it; QTest::keyClicks cannot carry
// characters outside Latin-1 here.
void typeText(const QString &text)
{
    QWidget *target = QApplication::focusWidget();
    QVERIFY(target);
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

void activate(QWidget *window)
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

} // namespace

class TestBadInput : public QObject
{
    Q_OBJECT

private slots:
    void namesShownLiterally_data();
    void namesShownLiterally();
    void wordsTakenAsTyped_data();
    void wordsTakenAsTyped();
    void hugePasteIntoWordEntry();
    void hugePasteIntoLetterBox();
    void guessesOfEveryKind_data();
    void guessesOfEveryKind();
    void thousandGuessesTypedFast();
    void tenThousandWrongGuesses();

private:
    // Names answered and the first New Game asked for: the chooser's turn.
    frmGetWord &openWordEntry(rurOvivoze &window, ScriptedDialogs &dialogs);
    // ... and the word accepted: the guesser's turn.
    void startGame(rurOvivoze &window, ScriptedDialogs &dialogs, const QString &word);
};

frmGetWord &TestBadInput::openWordEntry(rurOvivoze &window, ScriptedDialogs &dialogs)
{
    dialogs.answerInputs({ QStringLiteral("Ann"), QStringLiteral("Bob") });
    window.Form_Load();
    window.show();
    activate(&window);
    QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
    frmGetWord &dialog = window.getWordDialog();
    activate(&dialog);
    dialog.Text1->setFocus();
    return dialog;
}

void TestBadInput::startGame(rurOvivoze &window, ScriptedDialogs &dialogs, const QString &word)
{
    frmGetWord &dialog = openWordEntry(window, dialogs);
    QVERIFY(dialog.isVisible());
    typeText(word);
    QTest::keyClick(dialog.Text1, Qt::Key_Return);
    QVERIFY(window.isVisible());
    activate(&window);
    QCOMPARE(QApplication::focusWidget(), window.TxtLet1[0]);
}

void TestBadInput::namesShownLiterally_data()
{
    QTest::addColumn<QString>("name");

    QTest::newRow("markup") << "<b>Ann</b>";
    QTest::newRow("ampersand") << "A&B";
    QTest::newRow("entity") << "&lt;Bob&gt;";
    QTest::newRow("10,000 characters") << longName;
    QTest::newRow("right to left") << "\u05D3\u05E0\u05D4 \u0645\u0631\u064A\u0645";
    QTest::newRow("emoji with joiners") << family + thumbs;
    QTest::newRow("combining accents") << "Ame\u0301lie";
    QTest::newRow("control characters") << QStringLiteral("A\tB\aC\x1b");
    QTest::newRow("NUL inside") << QStringLiteral("An") + QChar(0) + QStringLiteral("n");
    QTest::newRow("only spaces") << "   ";
}

void TestBadInput::namesShownLiterally()
{
    QFETCH(QString, name);

    ScriptedDialogs dialogs;
    EndCounter end;
    rurOvivoze window;
    dialogs.answerInputs({ name, QStringLiteral("Bob") });
    window.Form_Load();
    window.show();

    QCOMPARE(window.Play1, name);
    QCOMPARE(window.Label1->textFormat(), Qt::PlainText);
    QCOMPARE(window.Label1->text(), "This Game:\n\n" + name + " chooses;\nBob guesses.");

    activate(&window);
    QTest::keyClick(&window, Qt::Key_H, Qt::ControlModifier);
    QCOMPARE(dialogs.shown.size(), 3);
    QVERIFY(dialogs.shown.last().prompt.startsWith("Bob, it is your job to try to guess\r\n"
                                                   "the word that " + name + " enters.\r\n"));

    QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
    const frmGetWord &dialog = window.getWordDialog();
    QCOMPARE(dialog.LblWord->textFormat(), Qt::PlainText);
    QCOMPARE(dialog.LblWord->text(), name + ", enter a four-letter word:");
    QCOMPARE(end.calls, 0);
    QCOMPARE(dialogs.unanswered, 1); // the How to Play box, answered OK by default
}

void TestBadInput::wordsTakenAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored"); // empty: refused

    QTest::newRow("markup") << "<b>x" << "<b>x";
    QTest::newRow("ampersands") << "&&&&" << "&&&&";
    QTest::newRow("right to left") << "\u05D3\u05E0\u05D4\u05D0" << "\u05D3\u05E0\u05D4\u05D0";
    QTest::newRow("emoji sequences") << family + thumbs + "ab" << family + thumbs + "ab";
    QTest::newRow("combining accents") << "E\u0301te\u0301s" << "e\u0301te\u0301s";
    QTest::newRow("capital sharp s") << "\u1E9Eabc" << "\u00DFabc";
    QTest::newRow("five emoji keep four") << thumbs.repeated(5) << thumbs.repeated(4);
    QTest::newRow("three characters") << "<b>" << "";
}

void TestBadInput::wordsTakenAsTyped()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);

    ScriptedDialogs dialogs;
    EndCounter end;
    rurOvivoze window;
    frmGetWord &dialog = openWordEntry(window, dialogs);
    typeText(typed);
    QTest::keyClick(dialog.Text1, Qt::Key_Return);

    if (stored.isEmpty()) {
        QCOMPARE(dialogs.prompts().last(), QStringLiteral("Please enter a FOUR-letter word!"));
        QVERIFY(dialog.isVisible());
        QVERIFY(window.word.isEmpty());
        return;
    }
    QCOMPARE(window.word.value(), stored);
    QVERIFY(window.Timer1->isActive());

    activate(&window);
    QTest::mouseClick(window.LblCheat, Qt::LeftButton);
    QCOMPARE(dialogs.prompts().last(), "The word is " + stored + ".");
    QCOMPARE(end.calls, 0);
}

void TestBadInput::hugePasteIntoWordEntry()
{
    ScriptedDialogs dialogs;
    EndCounter end;
    rurOvivoze window;
    frmGetWord &dialog = openWordEntry(window, dialogs);

    QApplication::clipboard()->setText(QStringLiteral("wxyz") + QString(1 << 20, u'q'));
    QTest::keyClick(dialog.Text1, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(dialog.Text1->text(), QStringLiteral("wxyz"));
    QTest::keyClick(dialog.Text1, Qt::Key_Return);
    QCOMPARE(window.word.value(), QStringLiteral("wxyz"));
}

void TestBadInput::hugePasteIntoLetterBox()
{
    ScriptedDialogs dialogs;
    EndCounter end;
    rurOvivoze window;
    startGame(window, dialogs, QStringLiteral("book"));

    QTest::keyClicks(window.TxtLet1[0], QStringLiteral("b"));
    QCOMPARE(QApplication::focusWidget(), window.TxtLet1[1]);
    QApplication::clipboard()->setText(QString(1 << 20, u'o'));
    QTest::keyClick(window.TxtLet1[1], Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(window.TxtLet1[1]->text(), QString());
    QCOMPARE(QApplication::focusWidget(), window.TxtLet1[1]);
    QCOMPARE(window.TxtLet1[0]->text(), QStringLiteral("b"));
}

void TestBadInput::guessesOfEveryKind_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("guess");
    QTest::addColumn<QString>("row");

    QTest::newRow("markup characters")
            << "<b>x" << QStringList{ ">", "b", "<", "&" } << ">B<& - OIOX";
    QTest::newRow("emoji") << thumbs + "abc" << QStringList{ "a", thumbs, "\U0001F44D", "c" }
                           << "A" + thumbs + "\U0001F44D" + "C - OOXI";
    QTest::newRow("combining accent")
            << "cafe\u0301" << QStringList{ "e\u0301", "a", "f", "e" } << "E\u0301AFE - OIIX";
    QTest::newRow("right to left")
            << "\u05D0\u05D1\u05D2\u05D3" << QStringList{ "\u05D3", "\u05D1", "x", "\u05D0" }
            << "\u05D3\u05D1X\u05D0 - OIXO";
}

void TestBadInput::guessesOfEveryKind()
{
    QFETCH(QString, word);
    QFETCH(QStringList, guess);
    QFETCH(QString, row);

    ScriptedDialogs dialogs;
    EndCounter end;
    rurOvivoze window;
    startGame(window, dialogs, word);

    for (int i = 0; i < 4; ++i) {
        QCOMPARE(QApplication::focusWidget(), window.TxtLet1[i]);
        typeText(guess.at(i));
        QCOMPARE(window.TxtLet1[i]->text(), guess.at(i));
    }
    QCOMPARE(QApplication::focusWidget(), window.CmdTry);
    QTest::keyClick(window.CmdTry, Qt::Key_Return);

    QCOMPARE(window.LstUsed->item(0)->text(), row);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(window.LblUser1[i]->text(), guess.at(i));
        QCOMPARE(window.LblUser1[i]->textFormat(), Qt::PlainText);
    }
    QCOMPARE(window.LblGuess->text(), QStringLiteral("1"));
    QCOMPARE(dialogs.unanswered, 0);
}

void TestBadInput::thousandGuessesTypedFast()
{
    ScriptedDialogs dialogs;
    EndCounter end;
    rurOvivoze window;
    startGame(window, dialogs, QStringLiteral("book"));

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
        if (window.LblGuess->text() != QString::number(n + 1))
            QFAIL(qPrintable(guess + " was not counted"));
    }
    QCOMPARE(window.LblGuess->text(), QStringLiteral("1000"));
    QCOMPARE(window.LstUsed->count(), 1001);
    QCOMPARE(window.LstUsed->item(1000)->text(), QString());
    QCOMPARE(QApplication::focusWidget(), window.TxtLet1[0]);
    QCOMPARE(dialogs.shown.size(), 2); // the two names; no message on the way
}

void TestBadInput::tenThousandWrongGuesses()
{
    ScriptedDialogs dialogs;
    EndCounter end;
    rurOvivoze window;
    startGame(window, dialogs, QStringLiteral("book"));

    const int guesses = 10000;
    for (int n = 0; n < guesses; ++n) {
        const QString guess = QString::number(1000 + n % 9000);
        for (int i = 0; i < 4; ++i)
            window.TxtLet1[i]->setText(guess.mid(i, 1));
        window.CmdTry->click();
        if (window.LstUsed->item(0)->text() != guess + " - XXXX")
            QFAIL(qPrintable("row " + QString::number(n) + ": " + window.LstUsed->item(0)->text()));
    }
    QCOMPARE(window.LblGuess->text(), QString::number(guesses));
    QCOMPARE(window.LstUsed->count(), guesses + 1);
    QCOMPARE(window.LstUsed->item(guesses - 1)->text(), QStringLiteral("1000 - XXXX"));
    QCOMPARE(window.LstUsed->item(guesses)->text(), QString());

    // The game goes on normally after the soak: the right word still wins.
    for (int i = 0; i < 4; ++i)
        window.TxtLet1[i]->setText(QStringLiteral("book").mid(i, 1));
    window.CmdTry->click();
    QVERIFY(!window.Timer1->isActive());
    QVERIFY(dialogs.prompts().last().startsWith(QStringLiteral("          You Guessed It!")));
}

QTEST_MAIN(TestBadInput)
#include "tst_badinput.moc"
