// From program start to the word entry dialog, game after game, and every way out.

#include "playersession.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace {

enum class NewGameBy { CtrlN, FileMenu, FileMenuByKeys, Button };
enum class State { Waiting, Playing, Won, WordEntry };
enum class ExitBy { ExitButton, AltX, FileMenu, CtrlX, CloseWindow, Quit, AltQ, CtrlXOnDone };

const QString role = QStringLiteral("This Game:\n\n%1 chooses;\n%2 guesses.");

void requestNewGame(Session &game, NewGameBy by)
{
    switch (by) {
    case NewGameBy::CtrlN:
        Player::press(Qt::Key_N, Qt::ControlModifier);
        break;
    case NewGameBy::FileMenu:
        QVERIFY(Player::choose(&game.window, game.window.MnuFile, game.window.mnuNew));
        break;
    case NewGameBy::FileMenuByKeys:
        Player::press(Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(game.window.MnuFile->isVisible());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_N);
        break;
    case NewGameBy::Button:
        Player::click(game.window.Command2);
        break;
    }
}

// Notes how many boxes had been shown when `watched` got an event of `type`.
class BoxCountAt : public QObject
{
public:
    BoxCountAt(QObject *watched, QEvent::Type type, const ScriptedDialogs &dialogs)
        : m_type(type), m_dialogs(dialogs)
    {
        watched->installEventFilter(this);
    }
    int count = -1;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == m_type && count < 0)
            count = int(m_dialogs.shown.size());
        return false;
    }

private:
    QEvent::Type m_type;
    const ScriptedDialogs &m_dialogs;
};

} // namespace

Q_DECLARE_METATYPE(NewGameBy)
Q_DECLARE_METATYPE(State)
Q_DECLARE_METATYPE(ExitBy)

class TestStartUp : public QObject
{
    Q_OBJECT

private slots:
    void namesAtStartUp_data();
    void namesAtStartUp();
    void waitingBeforeTheFirstGame();
    void newGame_data();
    void newGame();
    void keepNamesExchangesRoles();
    void newNamesAskedAgain_data();
    void newNamesAskedAgain();
    void newGameDuringPlayClearsTheBoard();
    void newGameAfterAWin();
    void everyExitEndsTheProgram_data();
    void everyExitEndsTheProgram();
};

void TestStartUp::namesAtStartUp_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("play1");
    QTest::addColumn<QString>("play2");

    QTest::newRow("two names")
            << QStringList{ "Ann", "Bob" } << QStringList{ "Player 1", "Player 2" } << "Ann" << "Bob";
    QTest::newRow("defaults confirmed") << QStringList{ "Player 1", "Player 2" }
                                        << QStringList{ "Player 1", "Player 2" } << "Player 1"
                                        << "Player 2";
    QTest::newRow("cancel on player 1 repeats it")
            << QStringList{ "", "Ann", "Bob" } << QStringList{ "Player 1", "Player 1", "Player 2" }
            << "Ann" << "Bob";
    QTest::newRow("cancel twice on each")
            << QStringList{ "", "", "Ann", "", "", "Bob" }
            << QStringList{ "Player 1", "Player 1", "Player 1", "Player 2", "Player 2", "Player 2" }
            << "Ann" << "Bob";
    QTest::newRow("names of spaces") << QStringList{ "   ", " " }
                                     << QStringList{ "Player 1", "Player 2" } << "   " << " ";
}

void TestStartUp::namesAtStartUp()
{
    QFETCH(QStringList, answers);
    QFETCH(QStringList, titles);
    QFETCH(QString, play1);
    QFETCH(QString, play2);

    Session game;
    QVERIFY(game.startUp(answers));

    QCOMPARE(game.dialogs.shown.size(), titles.size());
    for (qsizetype i = 0; i < titles.size(); ++i) {
        const ScriptedDialogs::Shown &box = game.dialogs.shown.at(i);
        QCOMPARE(box.kind, ScriptedDialogs::Shown::Input);
        QCOMPARE(box.title, titles.at(i));
        QCOMPARE(box.prompt, "Enter the name of " + titles.at(i) + ":");
        QCOMPARE(box.defaultText, titles.at(i));
    }
    QCOMPARE(game.window.Label1->text(), role.arg(play1, play2));
    QCOMPARE(game.dialogs.unanswered, 0);
}

void TestStartUp::waitingBeforeTheFirstGame()
{
    Session game;
    QVERIFY(game.startUp());
    rurOvivoze &w = game.window;

    QVERIFY(!w.CmdTry->isEnabled());
    for (const QLineEdit *box : w.TxtLet1)
        QVERIFY(!box->isEnabled());
    QVERIFY(!w.Timer1->isActive());
    QCOMPARE(w.LstUsed->count(), 1);
    QCOMPARE(w.LstUsed->item(0)->text(), QString());
    QCOMPARE(w.LblGuess->text(), QString());
    QCOMPARE(w.lblTime->text(), QStringLiteral("0.00"));
    QCOMPARE(w.Label1->text(), QStringLiteral("This Game:\n\nAnn chooses;\nBob guesses."));
    for (const QWidget *top : QApplication::topLevelWidgets())
        QVERIFY2(!qobject_cast<const frmGetWord *>(top), "no word is asked for before New Game");
}

void TestStartUp::newGame_data()
{
    QTest::addColumn<NewGameBy>("by");

    QTest::newRow("Ctrl+N") << NewGameBy::CtrlN;
    QTest::newRow("File > New Game") << NewGameBy::FileMenu;
    QTest::newRow("Alt+F, N") << NewGameBy::FileMenuByKeys;
    QTest::newRow("New Game button") << NewGameBy::Button;
}

void TestStartUp::newGame()
{
    QFETCH(NewGameBy, by);

    Session game;
    QVERIFY(game.startUp());
    rurOvivoze &w = game.window;

    requestNewGame(game, by);
    QCOMPARE(game.dialogs.shown.size(), 2); // the names only: no question the first time
    QVERIFY(game.dialog().isVisible());
    QVERIFY(!w.isVisible());
    QVERIFY(w.CmdTry->isEnabled());
    for (const QLineEdit *box : w.TxtLet1)
        QVERIFY(box->isEnabled());
    QVERIFY(!w.Timer1->isActive());
    QVERIFY(Player::activate(&game.dialog()));
    QCOMPARE(QApplication::focusWidget(), game.dialog().Text1);
    QCOMPARE(game.dialog().LblWord->text(), QStringLiteral("Ann, enter a four-letter word:"));

    // Back on the board the guesser can type at once, whichever way the game was started.
    QVERIFY(game.enterWord(QStringLiteral("book")));
    QCOMPARE(QApplication::focusWidget(), w.TxtLet1[0]);
    game.dialogs.answerMessages({ Dialogs::Yes });
    requestNewGame(game, by);
    QCOMPARE(game.dialogs.shown.size(), 3);
    const ScriptedDialogs::Shown &question = game.dialogs.shown.last();
    QCOMPARE(question.kind, ScriptedDialogs::Shown::Message);
    QCOMPARE(question.prompt, QStringLiteral("     Use the SAME player names?"));
    QCOMPARE(question.title, QStringLiteral("Keep Player Names?"));
    QCOMPARE(question.buttons, Dialogs::YesNo);
    QVERIFY(game.dialog().isVisible());
    QVERIFY(!w.isVisible());
    QVERIFY(Player::activate(&game.dialog()));
    QVERIFY(game.enterWord(QStringLiteral("tree")));
    QCOMPARE(QApplication::focusWidget(), w.TxtLet1[0]);
    QCOMPARE(game.dialogs.unanswered, 0);
}

void TestStartUp::keepNamesExchangesRoles()
{
    Session game;
    QVERIFY(game.startUp());
    rurOvivoze &w = game.window;
    QVERIFY(game.playWord(QStringLiteral("book")));

    const QStringList choosers = { "Bob", "Ann", "Bob" };
    for (int n = 0; n < choosers.size(); ++n) {
        const QString chooser = choosers.at(n);
        const QString guesser = chooser == "Ann" ? "Bob" : "Ann";
        QVERIFY(game.newGame(Dialogs::Yes));
        QCOMPARE(game.dialog().LblWord->text(), chooser + ", enter a four-letter word:");
        QVERIFY(game.enterWord(QStringLiteral("tree")));
        QCOMPARE(w.Label1->text(), role.arg(chooser, guesser));
    }
    QCOMPARE(game.dialogs.shown.size(), 2 + choosers.size()); // no name asked again
}

void TestStartUp::newNamesAskedAgain_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("play1");
    QTest::addColumn<QString>("play2");

    QTest::newRow("new names") << QStringList{ "Cy", "Di" } << QStringList{ "Player 1", "Player 2" }
                               << "Cy" << "Di";
    QTest::newRow("the same names, same roles")
            << QStringList{ "Ann", "Bob" } << QStringList{ "Player 1", "Player 2" } << "Ann"
            << "Bob";
    QTest::newRow("cancel repeats each box")
            << QStringList{ "", "Cy", "", "Di" }
            << QStringList{ "Player 1", "Player 1", "Player 2", "Player 2" } << "Cy" << "Di";
}

void TestStartUp::newNamesAskedAgain()
{
    QFETCH(QStringList, answers);
    QFETCH(QStringList, titles);
    QFETCH(QString, play1);
    QFETCH(QString, play2);

    Session game;
    QVERIFY(game.startUp());
    rurOvivoze &w = game.window;
    QVERIFY(game.playWord(QStringLiteral("book")));

    const int before = int(game.dialogs.shown.size());
    const BoxCountAt dialogShown(&game.dialog(), QEvent::Show, game.dialogs);
    const BoxCountAt boardHidden(&w, QEvent::Hide, game.dialogs);
    game.dialogs.answerInputs(answers);
    QVERIFY(game.newGame(Dialogs::No));

    QCOMPARE(game.dialogs.shown.size(), before + 1 + titles.size());
    QCOMPARE(game.dialogs.shown.at(before).title, QStringLiteral("Keep Player Names?"));
    for (qsizetype i = 0; i < titles.size(); ++i) {
        const ScriptedDialogs::Shown &box = game.dialogs.shown.at(before + 1 + i);
        QCOMPARE(box.kind, ScriptedDialogs::Shown::Input);
        QCOMPARE(box.title, titles.at(i));
        QCOMPARE(box.defaultText, titles.at(i));
    }
    // All names are asked with the board still up, and only then comes the word entry.
    QCOMPARE(dialogShown.count, game.dialogs.shown.size());
    QCOMPARE(boardHidden.count, game.dialogs.shown.size());

    QCOMPARE(game.dialog().LblWord->text(), play1 + ", enter a four-letter word:");
    QCOMPARE(w.Label1->text(), role.arg(play1, play2));
    QCOMPARE(game.dialogs.unanswered, 0);
}

void TestStartUp::newGameDuringPlayClearsTheBoard()
{
    Session game;
    QVERIFY(game.startUp());
    rurOvivoze &w = game.window;
    QVERIFY(game.playWord(QStringLiteral("book")));
    game.tryGuess(QStringLiteral("oops"));
    game.tryGuess(QStringLiteral("tusk"));
    Player::type(QStringLiteral("bo"));
    QCOMPARE(w.LblGuess->text(), QStringLiteral("2"));
    QVERIFY(QTest::qWaitFor([&] { return w.lblTime->text() != QStringLiteral("0.00"); }));

    QVERIFY(game.newGame(Dialogs::Yes));
    QVERIFY(!w.Timer1->isActive());
    const QString stopped = w.lblTime->text();
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(w.LblLet1[i]->text(), QString());
        QCOMPARE(w.LblUser1[i]->text(), QString());
        QCOMPARE(w.TxtLet1[i]->text(), QString());
    }
    QCOMPARE(w.LblGuess->text(), QString());
    QCOMPARE(w.LstUsed->count(), 1);
    QCOMPARE(w.LstUsed->item(0)->text(), QString());

    QTest::qWait(30);
    QCOMPARE(w.lblTime->text(), stopped);
    QCOMPARE(w.Label1->text(), role.arg("Bob", "Ann"));
}

void TestStartUp::newGameAfterAWin()
{
    Session game;
    QVERIFY(game.startUp());
    rurOvivoze &w = game.window;
    QVERIFY(game.playWord(QStringLiteral("book")));
    game.tryGuess(QStringLiteral("book"));
    QVERIFY(!w.CmdTry->isEnabled());

    QVERIFY(game.playWord(QStringLiteral("tree")));
    QVERIFY(w.CmdTry->isEnabled());
    for (const QLineEdit *box : w.TxtLet1)
        QVERIFY(box->isEnabled());
    QCOMPARE(QApplication::focusWidget(), w.TxtLet1[0]);
    game.tryGuess(QStringLiteral("trek"));
    QCOMPARE(w.LstUsed->item(0)->text(), QStringLiteral("TREK - IIIX"));
    game.tryGuess(QStringLiteral("TREE"));
    QVERIFY(!w.CmdTry->isEnabled());
}

void TestStartUp::everyExitEndsTheProgram_data()
{
    QTest::addColumn<State>("state");
    QTest::addColumn<ExitBy>("by");

    const std::pair<const char *, State> boardStates[] = {
        { "waiting", State::Waiting }, { "playing", State::Playing }, { "won", State::Won } };
    const std::pair<const char *, ExitBy> boardExits[] = {
        { "Exit button", ExitBy::ExitButton }, { "Alt+X", ExitBy::AltX },
        { "File > Exit", ExitBy::FileMenu },   { "Ctrl+X", ExitBy::CtrlX },
        { "close", ExitBy::CloseWindow } };
    for (const auto &[stateName, state] : boardStates) {
        for (const auto &[exitName, by] : boardExits)
            QTest::addRow("%s, %s", stateName, exitName) << state << by;
    }
    QTest::newRow("word entry, Quit") << State::WordEntry << ExitBy::Quit;
    QTest::newRow("word entry, Alt+Q") << State::WordEntry << ExitBy::AltQ;
    QTest::newRow("word entry, Ctrl+X") << State::WordEntry << ExitBy::CtrlX;
    QTest::newRow("word entry, Ctrl+X on Done") << State::WordEntry << ExitBy::CtrlXOnDone;
}

void TestStartUp::everyExitEndsTheProgram()
{
    QFETCH(State, state);
    QFETCH(ExitBy, by);

    Session game;
    QVERIFY(game.startUp());
    rurOvivoze &w = game.window;
    if (state != State::Waiting)
        QVERIFY(game.newGame());
    if (state == State::Playing || state == State::Won) {
        QVERIFY(game.enterWord(QStringLiteral("book")));
        game.tryGuess(state == State::Won ? QStringLiteral("book") : QStringLiteral("oops"));
        Player::type(QStringLiteral("b"));
    }
    if (state == State::WordEntry)
        Player::type(QStringLiteral("bo"));
    const qsizetype boxesBefore = game.dialogs.shown.size();

    switch (by) {
    case ExitBy::ExitButton:
        Player::click(w.Command1);
        break;
    case ExitBy::AltX:
        Player::press(Qt::Key_X, Qt::AltModifier);
        break;
    case ExitBy::FileMenu:
        QVERIFY(Player::choose(&w, w.MnuFile, w.mnuExit));
        break;
    case ExitBy::CtrlX:
        Player::press(Qt::Key_X, Qt::ControlModifier);
        break;
    case ExitBy::CloseWindow:
        w.close();
        break;
    case ExitBy::Quit:
        Player::click(game.dialog().cmdQuit);
        break;
    case ExitBy::AltQ:
        Player::press(Qt::Key_Q, Qt::AltModifier);
        break;
    case ExitBy::CtrlXOnDone:
        Player::press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), game.dialog().cmdDone);
        Player::press(Qt::Key_X, Qt::ControlModifier);
        break;
    }
    // Access keys click their button a moment later, as a visible press.
    QTRY_COMPARE(game.end.calls, 1);
    QCOMPARE(game.dialogs.shown.size(), boxesBefore); // nothing is asked
    QTest::qWait(20);
    QCOMPARE(game.end.calls, 1);
}

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
