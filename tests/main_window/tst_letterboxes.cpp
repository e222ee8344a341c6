// The guesser's four letter boxes: one character each, the focus walking on by itself to
// "Try!", and Backspace walking back.

#include "playersession.h"
#include "sampletexts.h"

#include <QClipboard>
#include <QListWidget>
#include <QPushButton>

namespace {

// Index of the focused letter box, 4 for "Try!", -1 for anything else.
int focusedBox(const rurOvivoze &w)
{
    const QWidget *focus = QApplication::focusWidget();
    for (int i = 0; i < 4; ++i) {
        if (focus == w.TxtLet1[i])
            return i;
    }
    return focus == w.CmdTry ? 4 : -1;
}

// Every control that took the focus, in order.
class FocusTrail : public QObject
{
public:
    FocusTrail()
    {
        connect(qApp, &QApplication::focusChanged, this,
                [this](QWidget *, QWidget *now) { trail.append(now); });
    }
    QList<QWidget *> trail;
};

} // namespace

class TestLetterBoxes : public QObject
{
    Q_OBJECT

private slots:
    void typingWalksToTry_data();
    void typingWalksToTry();
    void whileTryIsDisabled();
    void pasteIntoABox_data();
    void pasteIntoABox();
    void clickEmptiesABox_data();
    void clickEmptiesABox();
    void backspaceWalksBack_data();
    void backspaceWalksBack();
    void emptyingFromCodeLeavesTheFocus();

private:
    void startGuessing(Session &game);
};

void TestLetterBoxes::startGuessing(Session &game)
{
    QVERIFY(game.startUp());
    QVERIFY(game.playWord(QStringLiteral("book")));
    QCOMPARE(focusedBox(game.window), 0);
}

void TestLetterBoxes::typingWalksToTry_data()
{
    QTest::addColumn<QStringList>("letters");
    QTest::addColumn<int>("pressKey");
    QTest::addColumn<QString>("listed"); // empty: refused as incomplete

    QTest::newRow("small letters, Enter") << QStringList{ "o", "o", "p", "s" }
                                          << int(Qt::Key_Return) << "OOPS - OIXX";
    QTest::newRow("capitals, Space on Try!")
            << QStringList{ "O", "O", "P", "S" } << int(Qt::Key_Space) << "OOPS - OIXX";
    QTest::newRow("digits and punctuation")
            << QStringList{ "1", ".", "!", "?" } << int(Qt::Key_Return) << "1.!? - XXXX";
    QTest::newRow("accented letters") << QStringList{ "\u00F6", "o", "e\u0301", "k" }
                                      << int(Qt::Key_Return) << "\u00D6OE\u0301K - XIXI";
    QTest::newRow("emoji") << QStringList{ thumbs, "o", "o", thumbs } << int(Qt::Key_Return)
                           << thumbs + "OO" + thumbs + " - XIIX";
    QTest::newRow("a space moves on like a letter")
            << QStringList{ " ", "o", "o", "k" } << int(Qt::Key_Return) << "";
}

void TestLetterBoxes::typingWalksToTry()
{
    QFETCH(QStringList, letters);
    QFETCH(int, pressKey);
    QFETCH(QString, listed);

    Session game;
    startGuessing(game);
    rurOvivoze &w = game.window;

    for (int i = 0; i < 4; ++i) {
        Player::type(letters.at(i));
        QCOMPARE(focusedBox(w), i + 1);
        for (int j = 0; j < 4; ++j)
            QCOMPARE(w.TxtLet1[j]->text(), j <= i ? letters.at(j) : QString());
    }

    Player::press(Qt::Key(pressKey));
    if (listed.isEmpty()) {
        QCOMPARE(game.dialogs.prompts().last(), QStringLiteral("Please enter a FULL four-letter word."));
        QCOMPARE(game.boxes(), letters);
    } else {
        QCOMPARE(w.LstUsed->item(0)->text(), listed);
        QCOMPARE(focusedBox(w), 0);
    }
}

// The game switches "Try!" and the boxes together; a box must still never strand the focus
// on a disabled button.
void TestLetterBoxes::whileTryIsDisabled()
{
    Session game;
    startGuessing(game);
    rurOvivoze &w = game.window;
    w.CmdTry->setEnabled(false);

    Player::type(QStringLiteral("boo"));
    QCOMPARE(focusedBox(w), 3);
    Player::type(QStringLiteral("k"));
    QCOMPARE(focusedBox(w), 3);
    QCOMPARE(w.TxtLet1[3]->text(), QStringLiteral("k"));
    Player::press(Qt::Key_Return);
    QCOMPARE(game.dialogs.shown.size(), 2);
    QCOMPARE(w.LstUsed->count(), 1);

    Player::type(QStringLiteral("x"));
    QCOMPARE(w.TxtLet1[3]->text(), QString());
    QCOMPARE(focusedBox(w), 3);

    Player::type(QStringLiteral("k"));
    Player::press(Qt::Key_Backspace);
    QCOMPARE(w.TxtLet1[3]->text(), QString());
    QCOMPARE(focusedBox(w), 3);
    Player::press(Qt::Key_Backspace);
    QCOMPARE(focusedBox(w), 2);
    QCOMPARE(game.boxes(), (QStringList{ "b", "o", "", "" }));
}

void TestLetterBoxes::pasteIntoABox_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("focusAfter");

    QTest::newRow("two letters into box 0") << 0 << "ab" << "" << 0;
    QTest::newRow("three letters into box 2") << 2 << "xyz" << "" << 2;
    QTest::newRow("two emoji into box 3") << 3 << thumbs + thumbs << "" << 3;
    QTest::newRow("one letter into box 1") << 1 << "q" << "q" << 2;
    QTest::newRow("one emoji into box 3") << 3 << thumbs << thumbs << 4;
}

void TestLetterBoxes::pasteIntoABox()
{
    QFETCH(int, box);
    QFETCH(QString, clipboard);
    QFETCH(QString, kept);
    QFETCH(int, focusAfter);

    Session game;
    startGuessing(game);
    rurOvivoze &w = game.window;
    Player::type(QStringLiteral("boo").left(box));
    QCOMPARE(focusedBox(w), box);

    QApplication::clipboard()->setText(clipboard);
    Player::press(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w.TxtLet1[box]->text(), kept);
    QCOMPARE(focusedBox(w), focusAfter);
    for (int i = 0; i < box; ++i)
        QCOMPARE(w.TxtLet1[i]->text(), QStringLiteral("boo").mid(i, 1));
}

void TestLetterBoxes::clickEmptiesABox_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("clicked");
    QTest::addColumn<QStringList>("afterClick");
    QTest::addColumn<QStringList>("afterX"); // then an x typed there

    QTest::newRow("box 0 of two") << "bo" << 0 << QStringList{ "", "o", "", "" }
                                  << QStringList{ "x", "", "", "" };
    QTest::newRow("box 1 of three") << "boo" << 1 << QStringList{ "b", "", "o", "" }
                                    << QStringList{ "b", "x", "", "" };
    QTest::newRow("box 3 of four") << "book" << 3 << QStringList{ "b", "o", "o", "" }
                                   << QStringList{ "b", "o", "o", "x" };
    QTest::newRow("the empty focused box") << "bo" << 2 << QStringList{ "b", "o", "", "" }
                                           << QStringList{ "b", "o", "x", "" };
}

void TestLetterBoxes::clickEmptiesABox()
{
    QFETCH(QString, typed);
    QFETCH(int, clicked);
    QFETCH(QStringList, afterClick);
    QFETCH(QStringList, afterX);

    Session game;
    startGuessing(game);
    rurOvivoze &w = game.window;
    Player::type(typed);

    Player::click(w.TxtLet1[clicked]);
    QCOMPARE(game.boxes(), afterClick);
    QCOMPARE(focusedBox(w), clicked);

    // The next box is emptied in turn as the focus moves on into it.
    Player::type(QStringLiteral("x"));
    QCOMPARE(game.boxes(), afterX);
    QCOMPARE(focusedBox(w), clicked + 1);
}

void TestLetterBoxes::backspaceWalksBack_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("backspaces");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<int>("focus");

    QTest::newRow("one letter, once") << "b" << 1 << QStringList{ "", "", "", "" } << 0;
    QTest::newRow("two letters, once") << "bo" << 1 << QStringList{ "b", "", "", "" } << 1;
    QTest::newRow("three letters, once") << "boo" << 1 << QStringList{ "b", "o", "", "" } << 2;
    QTest::newRow("three letters, twice") << "boo" << 2 << QStringList{ "b", "", "", "" } << 1;
    QTest::newRow("three letters, three times") << "boo" << 3 << QStringList(4) << 0;
    QTest::newRow("stops in box 0") << "boo" << 6 << QStringList(4) << 0;
    QTest::newRow("nothing typed") << "" << 1 << QStringList(4) << 0;
    QTest::newRow("on Try! it does nothing") << "book" << 1 << QStringList{ "b", "o", "o", "k" } << 4;
}

void TestLetterBoxes::backspaceWalksBack()
{
    QFETCH(QString, typed);
    QFETCH(int, backspaces);
    QFETCH(QStringList, boxes);
    QFETCH(int, focus);

    Session game;
    startGuessing(game);
    Player::type(typed);
    for (int n = 0; n < backspaces; ++n)
        Player::press(Qt::Key_Backspace);
    QCOMPARE(game.boxes(), boxes);
    QCOMPARE(focusedBox(game.window), focus);
}

void TestLetterBoxes::emptyingFromCodeLeavesTheFocus()
{
    Session game;
    startGuessing(game);
    rurOvivoze &w = game.window;

    // A wrong guess empties the boxes while "Try!" has the focus, then sends it to box 0.
    Player::type(QStringLiteral("oops"));
    {
        const FocusTrail focus;
        Player::press(Qt::Key_Return);
        QCOMPARE(focus.trail, QList<QWidget *>{ w.TxtLet1[0] });
    }

    // New Game empties them while box 2 has the focus, then sends it to box 0.
    Player::type(QStringLiteral("bo"));
    {
        const FocusTrail focus;
        QVERIFY(game.newGame(Dialogs::Yes));
        QVERIFY(!focus.trail.isEmpty());
        QCOMPARE(focus.trail.first(), w.TxtLet1[0]);
        for (int i = 1; i < 4; ++i)
            QVERIFY(!focus.trail.contains(w.TxtLet1[i]));
    }
}

QTEST_MAIN(TestLetterBoxes)
#include "tst_letterboxes.moc"
