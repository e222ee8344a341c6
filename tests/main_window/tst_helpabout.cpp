// How to Play, About and the hidden reveal spot: what they say, and that they change nothing.

#include "playersession.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace {

enum class Action { HowByCtrlH, HowByMenu, HowByAltH, AboutByCtrlA, AboutByMenu, Reveal };

void perform(Session &game, Action action)
{
    rurOvivoze &w = game.window;
    switch (action) {
    case Action::HowByCtrlH:
        Player::press(Qt::Key_H, Qt::ControlModifier);
        break;
    case Action::HowByMenu:
        QVERIFY(Player::choose(&w, w.MnuHelp, w.mnuHow));
        break;
    case Action::HowByAltH:
        Player::press(Qt::Key_H, Qt::AltModifier);
        QTRY_VERIFY(w.MnuHelp->isVisible());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_H);
        break;
    case Action::AboutByCtrlA:
        Player::press(Qt::Key_A, Qt::ControlModifier);
        break;
    case Action::AboutByMenu:
        QVERIFY(Player::choose(&w, w.MnuHelp, w.mnuAbout));
        break;
    case Action::Reveal:
        Player::click(w.LblCheat);
        break;
    }
}

QString howToPlayText(const QString &chooser, const QString &guesser)
{
    return guesser + ", it is your job to try to guess\r\n"
           "the word that " + chooser + " enters.\r\n"
           "\r\n"
           "--If you see an 'I' in the box, then you have\r\n"
           "   guessed a correct letter in the correct spot.\r\n"
           "\r\n"
           "--If you see an 'O' in the box, then you have\r\n"
           "   guessed a correct letter, but it is in the wrong spot.\r\n"
           "\r\n"
           "--If you see an 'X' in the box, then you have\r\n"
           "   guessed a letter that is not in the word.\r\n"
           "\r\n"
           + chooser + ", to enter a word for " + guesser + " to guess,\r\n"
           "press Ctrl+N or use the menu bar or button.";
}

// Everything on the board a message might disturb.
QStringList board(const rurOvivoze &w)
{
    QStringList seen;
    for (int i = 0; i < 4; ++i) {
        seen << w.TxtLet1[i]->text() << w.LblLet1[i]->text() << w.LblUser1[i]->text()
             << QString::number(w.TxtLet1[i]->isEnabled());
    }
    for (int row = 0; row < w.LstUsed->count(); ++row)
        seen << w.LstUsed->item(row)->text();
    seen << w.LblGuess->text() << w.Play1 << w.Play2 << w.word.value() << w.Label1->text()
         << QString::number(w.CmdTry->isEnabled()) << QString::number(w.Timer1->isActive())
         << QString::number(w.realTime, 'g', 17);
    return seen;
}

} // namespace

Q_DECLARE_METATYPE(Action)

class TestHelpAbout : public QObject
{
    Q_OBJECT

private slots:
    void howToPlay_data();
    void howToPlay();
    void about_data();
    void about();
    void reveal_data();
    void reveal();
    void revealNeedsTheSpot();
    void messagesChangeNothing_data();
    void messagesChangeNothing();
};

void TestHelpAbout::howToPlay_data()
{
    QTest::addColumn<Action>("action");
    QTest::addColumn<int>("exchanges"); // Yes answers to the keep-names question

    QTest::newRow("Ctrl+H") << Action::HowByCtrlH << 0;
    QTest::newRow("Help menu") << Action::HowByMenu << 0;
    QTest::newRow("Alt+H, H") << Action::HowByAltH << 0;
    QTest::newRow("roles exchanged") << Action::HowByCtrlH << 1;
    QTest::newRow("roles exchanged back") << Action::HowByCtrlH << 2;
}

void TestHelpAbout::howToPlay()
{
    QFETCH(Action, action);
    QFETCH(int, exchanges);

    Session game;
    QVERIFY(game.startUp());
    if (exchanges > 0)
        QVERIFY(game.playWord(QStringLiteral("book")));
    for (int n = 0; n < exchanges; ++n)
        QVERIFY(game.playWord(QStringLiteral("tree"), Dialogs::Yes));
    const qsizetype before = game.dialogs.shown.size();

    perform(game, action);
    QCOMPARE(game.dialogs.shown.size(), before + 1);
    const ScriptedDialogs::Shown &message = game.dialogs.shown.last();
    const bool exchanged = exchanges % 2 == 1;
    QCOMPARE(message.prompt, exchanged ? howToPlayText("Bob", "Ann") : howToPlayText("Ann", "Bob"));
    QCOMPARE(message.prompt.split("\r\n").size(), 14);
    QCOMPARE(message.buttons, Dialogs::OkOnly);
    QCOMPARE(message.title, QStringLiteral("Quadrel"));
}

void TestHelpAbout::about_data()
{
    QTest::addColumn<Action>("action");

    QTest::newRow("Ctrl+A") << Action::AboutByCtrlA;
    QTest::newRow("Help menu") << Action::AboutByMenu;
}

void TestHelpAbout::about()
{
    QFETCH(Action, action);

    Session game;
    QVERIFY(game.startUp());
    perform(game, action);
    QCOMPARE(game.dialogs.shown.size(), 3);
    const ScriptedDialogs::Shown &message = game.dialogs.shown.last();
    const QString text = message.prompt;

    QVERIFY(!text.trimmed().isEmpty());
    QVERIFY(!text.contains(u'\r') && !text.contains(u'\n'));
    QVERIFY(text.contains(QStringLiteral("Quadrel")));
    QVERIFY(text.endsWith(QStringLiteral("this is Quadrel version " QUADREL_VERSION ".")));
    qsizetype stop = -1;
    for (int n = 0; n < 3; ++n) {
        stop = text.indexOf(u'.', stop + 1);
        QVERIFY(stop > 0);
        QCOMPARE(text.mid(stop + 1, 2), QStringLiteral("  "));
        QVERIFY(text.size() > stop + 3 && text.at(stop + 3) != u' ');
    }
    QCOMPARE(message.buttons, Dialogs::OkOnly);
    QCOMPARE(message.title, QStringLiteral("Quadrel"));
}

void TestHelpAbout::reveal_data()
{
    QTest::addColumn<QStringList>("words"); // entered game after game
    QTest::addColumn<bool>("won");
    QTest::addColumn<QString>("shown");

    QTest::newRow("before any word") << QStringList{} << false << "The word is .";
    QTest::newRow("during a game") << QStringList{ "book" } << false << "The word is book.";
    QTest::newRow("typed in capitals") << QStringList{ "BoOK" } << false << "The word is book.";
    QTest::newRow("after the game is won") << QStringList{ "book" } << true << "The word is book.";
    QTest::newRow("the latest game's word")
            << QStringList{ "book", "TREE" } << false << "The word is tree.";
    QTest::newRow("digits and punctuation") << QStringList{ "1#2!" } << false << "The word is 1#2!.";
}

void TestHelpAbout::reveal()
{
    QFETCH(QStringList, words);
    QFETCH(bool, won);
    QFETCH(QString, shown);

    Session game;
    QVERIFY(game.startUp());
    for (const QString &word : words)
        QVERIFY(game.playWord(word));
    if (won)
        game.tryGuess(words.last());
    const qsizetype before = game.dialogs.shown.size();

    perform(game, Action::Reveal);
    QCOMPARE(game.dialogs.shown.size(), before + 1);
    const ScriptedDialogs::Shown &message = game.dialogs.shown.last();
    QCOMPARE(message.prompt, shown);
    QCOMPARE(message.buttons, Dialogs::OkOnly);
    QCOMPARE(message.title, QStringLiteral("Quadrel"));
}

// The spot is tiny and shows nothing; a click just beside it reveals nothing.
void TestHelpAbout::revealNeedsTheSpot()
{
    Session game;
    QVERIFY(game.startUp());
    QVERIFY(game.playWord(QStringLiteral("book")));
    QWidget *boardArea = game.window.centralWidget();
    const QRect spot = game.window.LblCheat->geometry();

    QTest::mouseClick(boardArea, Qt::LeftButton, {}, spot.topLeft() + QPoint(-2, spot.height() / 2));
    QTest::mouseClick(boardArea, Qt::LeftButton, {}, spot.topRight() + QPoint(3, spot.height() / 2));
    QCOMPARE(game.dialogs.shown.size(), 2);
    QCOMPARE(game.end.calls, 0);
    QTest::mouseClick(game.window.LblCheat, Qt::LeftButton, {}, QPoint(1, 1));
    QCOMPARE(game.dialogs.prompts().last(), QStringLiteral("The word is book."));
}

void TestHelpAbout::messagesChangeNothing_data()
{
    QTest::addColumn<Action>("action");
    QTest::addColumn<bool>("playing"); // or waiting for the first game

    QTest::newRow("How to Play, playing") << Action::HowByCtrlH << true;
    QTest::newRow("How to Play from the menu, playing") << Action::HowByMenu << true;
    QTest::newRow("About, playing") << Action::AboutByCtrlA << true;
    QTest::newRow("reveal, playing") << Action::Reveal << true;
    QTest::newRow("How to Play, waiting") << Action::HowByCtrlH << false;
    QTest::newRow("About, waiting") << Action::AboutByCtrlA << false;
    QTest::newRow("reveal, waiting") << Action::Reveal << false;
}

void TestHelpAbout::messagesChangeNothing()
{
    QFETCH(Action, action);
    QFETCH(bool, playing);

    Session game;
    QVERIFY(game.startUp());
    rurOvivoze &w = game.window;
    if (playing) {
        QVERIFY(game.playWord(QStringLiteral("book")));
        game.tryGuess(QStringLiteral("oops"));
        Player::type(QStringLiteral("bo"));
    }
    const QStringList before = board(w);
    QWidget *const focus = QApplication::focusWidget();

    perform(game, action);
    QCOMPARE(game.dialogs.shown.size(), 3);
    QCOMPARE(board(w), before);
    QCOMPARE(QApplication::focusWidget(), focus);
    QCOMPARE(w.Timer1->isActive(), playing);
}

QTEST_MAIN(TestHelpAbout)
#include "tst_helpabout.moc"
