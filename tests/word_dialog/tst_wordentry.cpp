// The chooser at the word entry dialog: what is taken as the secret word, what is refused,
// how much the entry holds, and what the dialog's keys and buttons do, pressed the way a
// keyboard delivers them to the focused control.

#include "playersession.h"

#include "controlnames.h"
#include "sampletexts.h"
#include "shownstars.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

const QString fourLettersMessage = QStringLiteral("Please enter a FOUR-letter word!");

enum class Outcome { Accepted, Refused, Quit };

// Names given and Ctrl+N: the chooser's turn, the word entry active, no box shown since.
[[nodiscard]] bool openWordEntry(Session &game)
{
    const bool opened = game.startUp() && game.newGame();
    game.dialogs.shown.clear();
    return opened;
}

// The word entry's control of that name, given the focus.
QWidget *focusControl(Session &game, const QString &name)
{
    QWidget *control = namedWidget(wordDialogControls(game.dialog()), name);
    control->setFocus();
    return control;
}

} // namespace

Q_DECLARE_METATYPE(Outcome)

class TestWordEntry : public QObject
{
    Q_OBJECT

private slots:
    void entries_data();
    void entries();
    void limit_data();
    void limit();
    void keepsOpen_data();
    void keepsOpen();
    void buttons_data();
    void buttons();
    void ctrlX_data();
    void ctrlX();
    void promptNamesTheChooser_data();
    void promptNamesTheChooser();
    void emptyWhenShownAgain();
};

void TestWordEntry::entries_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored"); // empty: refused
    QTest::addColumn<int>("stars");      // shown while typed: one per character

    QTest::newRow("abcd") << "abcd" << "abcd" << 4;
    QTest::newRow("capitals lowered") << "ABCD" << "abcd" << 4;
    QTest::newRow("mixed case") << "BoOk" << "book" << 4;
    QTest::newRow("digits and punctuation") << "12#4" << "12#4" << 4;
    QTest::newRow("four emoji with modifiers")
            << thumbs + wave + victory + okHand << thumbs + wave + victory + okHand << 4;
    QTest::newRow("combining accent") << "CAFE\u0301" << "cafe\u0301" << 4;
    QTest::newRow("markup") << "<b>x" << "<b>x" << 4;
    QTest::newRow("ampersands") << "&&&&" << "&&&&" << 4;
    QTest::newRow("right to left") << "\u05D3\u05E0\u05D4\u05D0" << "\u05D3\u05E0\u05D4\u05D0" << 4;
    QTest::newRow("joined emoji family")
            << joinedFamily + thumbs + "ab" << joinedFamily + thumbs + "ab" << 4;
    QTest::newRow("capital sharp s") << "\u1E9Eabc" << "\u00DFabc" << 4;
    QTest::newRow("empty") << "" << "" << 0;
    QTest::newRow("one character") << "a" << "" << 1;
    QTest::newRow("two characters") << "ab" << "" << 2;
    QTest::newRow("three characters") << "abc" << "" << 3;
    QTest::newRow("leading space") << " abc" << "" << 4;
    QTest::newRow("inner space") << "ab d" << "" << 4;
    QTest::newRow("trailing space") << "abc " << "" << 4;
    QTest::newRow("four spaces") << "    " << "" << 4;
    QTest::newRow("three emoji, six code units") << thumbs + wave + okHand << "" << 3;
    // A space joined to a combining mark is one character, but not a plain " ".
    QTest::newRow("space under an accent") << "ab \u0301c" << "" << 4;
    QTest::newRow("leading space under an accent") << " \u0301abc" << "" << 4;
    QTest::newRow("three accented letters") << eAcute.repeated(3) << "" << 3;
}

void TestWordEntry::entries()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(int, stars);

    Session game;
    QVERIFY(openWordEntry(game));
    frmGetWord &dialog = game.dialog();
    rurOvivoze &w = game.window;

    Player::type(typed);
    QCOMPARE(shownStars(dialog.Text1), stars);
    if (stored.isEmpty())
        game.dialogs.answerMessages({ Dialogs::Ok });
    Player::press(Qt::Key_Return);

    if (!stored.isEmpty()) {
        QVERIFY(w.Timer1->isActive()); // from the accepted word on: tst_clockflow
        QCOMPARE(w.word.value(), stored);
        QCOMPARE(dialog.Text1->text(), QString());
        QVERIFY(!dialog.isVisible());
        QVERIFY(w.isVisible());
        QVERIFY(game.dialogs.shown.isEmpty());
        return;
    }

    QCOMPARE(game.dialogs.shown.size(), 1);
    const ScriptedDialogs::Shown &message = game.dialogs.shown.last();
    QCOMPARE(message.kind, ScriptedDialogs::Shown::Message);
    QCOMPARE(message.prompt, fourLettersMessage);
    QCOMPARE(message.buttons, Dialogs::OkOnly);
    QCOMPARE(message.title, QStringLiteral("Quadrel"));
    QCOMPARE(dialog.Text1->text(), QString());
    QCOMPARE(QApplication::focusWidget(), dialog.Text1);
    QVERIFY(dialog.isVisible());
    QVERIFY(!w.isVisible());
    QVERIFY(w.word.isEmpty());
    QVERIFY(!w.Timer1->isActive());

    // The chooser tries again in the same dialog.
    QVERIFY(game.enterWord(QStringLiteral("Word")));
    QCOMPARE(w.word.value(), QStringLiteral("word"));
    QCOMPARE(game.dialogs.unanswered, 0);
}

void TestWordEntry::limit_data()
{
    // "type:", "paste:", "ime:" (an input method's commit) or "key:Left" / "key:Home"
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("held");

    QTest::newRow("a fifth typed letter does nothing") << QStringList{ "type:abcde" } << "abcd";
    QTest::newRow("typing on after four does nothing")
            << QStringList{ "type:abcd", "type:efgh" } << "abcd";
    QTest::newRow("a long paste keeps the first four")
            << QStringList{ "paste:abcdefgh" } << "abcd";
    QTest::newRow("paste after two keeps two")
            << QStringList{ "type:ab", "paste:cdefgh" } << "abcd";
    QTest::newRow("paste into the middle")
            << QStringList{ "type:ad", "key:Left", "paste:bcxyz" } << "abcd";
    QTest::newRow("paste at the start of a full box")
            << QStringList{ "type:abcd", "key:Home", "paste:zz" } << "abcd";
    QTest::newRow("emoji with skin tone counts once")
            << QStringList{ "type:a", "type:" + thumbs, "type:bcd" } << "a" + thumbs + "bc";
    QTest::newRow("four emoji with skin tones")
            << QStringList{ "type:" + thumbs.repeated(5) } << thumbs.repeated(4);
    QTest::newRow("pasted emoji kept whole")
            << QStringList{ "type:abc", "paste:" + thumbs + "d" } << "abc" + thumbs;
    QTest::newRow("combining accent counts once")
            << QStringList{ "paste:" + eAcute + "tudes" } << eAcute + "tud";
    QTest::newRow("an input method's long commit keeps four")
            << QStringList{ "type:a", "ime:bcdefg" } << "abcd";
}

void TestWordEntry::limit()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, held);

    Session game;
    QVERIFY(openWordEntry(game));
    QLineEdit *entry = game.dialog().Text1;
    for (const QString &step : steps) {
        const QString argument = step.section(u':', 1);
        if (step.startsWith(QLatin1String("type:"))) {
            Player::type(argument);
        } else if (step.startsWith(QLatin1String("ime:"))) {
            QInputMethodEvent commit;
            commit.setCommitString(argument);
            QApplication::sendEvent(entry, &commit);
        } else if (step.startsWith(QLatin1String("paste:"))) {
            QApplication::clipboard()->setText(argument);
            Player::press(Qt::Key_V, Qt::ControlModifier);
        } else {
            Player::press(argument == QLatin1String("Left") ? Qt::Key_Left : Qt::Key_Home);
        }
    }

    QCOMPARE(entry->text(), held);
    QCOMPARE(Text::length(entry->text()), qsizetype(4));
    QCOMPARE(shownStars(entry), 4);
    QCOMPARE(game.end.calls, 0);
}

void TestWordEntry::keepsOpen_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("escape"); // otherwise: asked to close

    QTest::newRow("Esc in Text1") << "Text1" << true;
    QTest::newRow("Esc on Done") << "cmdDone" << true;
    QTest::newRow("Esc on Quit") << "cmdQuit" << true;
    QTest::newRow("closed from Text1") << "Text1" << false;
    QTest::newRow("closed from Quit") << "cmdQuit" << false;
}

// No cancel button and no frame: only a word, Quit or Ctrl+X lead out of the dialog.
void TestWordEntry::keepsOpen()
{
    QFETCH(QString, focus);
    QFETCH(bool, escape);

    Session game;
    QVERIFY(openWordEntry(game));
    Player::type(QStringLiteral("ab"));
    QWidget *target = focusControl(game, focus);

    if (escape)
        Player::press(Qt::Key_Escape);
    else
        QVERIFY(!game.dialog().close());
    QTest::qWait(50);

    QVERIFY(game.dialog().isVisible());
    QVERIFY(!game.window.isVisible());
    QCOMPARE(game.dialog().Text1->text(), QStringLiteral("ab"));
    QCOMPARE(QApplication::focusWidget(), target);
    QVERIFY(game.dialogs.shown.isEmpty());
    QCOMPARE(game.end.calls, 0);
}

void TestWordEntry::buttons_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key"); // 0: a mouse click on the focused button
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<Outcome>("outcome");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers alt = Qt::AltModifier;
    const int enter = Qt::Key_Return;
    const int space = Qt::Key_Space;
    QTest::newRow("Enter in Text1") << "WoRd" << "Text1" << enter << none << Outcome::Accepted;
    QTest::newRow("keypad Enter in Text1")
            << "word" << "Text1" << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier)
            << Outcome::Accepted;
    QTest::newRow("Enter in Text1, three letters")
            << "wor" << "Text1" << enter << none << Outcome::Refused;
    QTest::newRow("Enter on Done") << "word" << "cmdDone" << enter << none << Outcome::Accepted;
    QTest::newRow("Space on Done") << "wor" << "cmdDone" << space << none << Outcome::Refused;
    QTest::newRow("click Done") << "word" << "cmdDone" << 0 << none << Outcome::Accepted;
    QTest::newRow("click Done, three letters") << "wor" << "cmdDone" << 0 << none << Outcome::Refused;
    QTest::newRow("Alt+D in Text1") << "word" << "Text1" << int(Qt::Key_D) << alt << Outcome::Accepted;
    QTest::newRow("Alt+D on Quit") << "wo d" << "cmdQuit" << int(Qt::Key_D) << alt << Outcome::Refused;
    QTest::newRow("Alt+Q in Text1") << "word" << "Text1" << int(Qt::Key_Q) << alt << Outcome::Quit;
    QTest::newRow("Space on Quit") << "word" << "cmdQuit" << space << none << Outcome::Quit;
    QTest::newRow("Enter on Quit") << "word" << "cmdQuit" << enter << none << Outcome::Quit;
}

void TestWordEntry::buttons()
{
    QFETCH(QString, typed);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(Outcome, outcome);

    Session game;
    QVERIFY(openWordEntry(game));
    frmGetWord &dialog = game.dialog();
    Player::type(typed);
    QWidget *target = focusControl(game, focus);

    if (key)
        Player::press(Qt::Key(key), modifiers);
    else
        Player::click(target);

    // Access keys push their button a moment later.
    switch (outcome) {
    case Outcome::Accepted:
        QTRY_VERIFY(!dialog.isVisible());
        QVERIFY(game.window.isVisible());
        QCOMPARE(game.window.word.value(), typed.toLower());
        QVERIFY(game.window.Timer1->isActive());
        QVERIFY(game.dialogs.shown.isEmpty());
        QCOMPARE(game.end.calls, 0);
        break;
    case Outcome::Refused:
        QTRY_COMPARE(game.dialogs.prompts(), QStringList{ fourLettersMessage });
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.Text1->text(), QString());
        QCOMPARE(QApplication::focusWidget(), dialog.Text1);
        QCOMPARE(game.end.calls, 0);
        break;
    case Outcome::Quit:
        QTRY_COMPARE(game.end.calls, 1);
        QVERIFY(game.dialogs.shown.isEmpty());
        QVERIFY(game.window.word.isEmpty());
        break;
    }
}

void TestWordEntry::ctrlX_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("ends");
    QTest::addColumn<QString>("held"); // in Text1 afterwards, "ab" typed before

    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Qt::KeyboardModifiers alt = Qt::AltModifier;
    QTest::newRow("Ctrl+X in Text1") << "Text1" << ctrl << 1 << "ab";
    QTest::newRow("Ctrl+X on Done") << "cmdDone" << ctrl << 1 << "ab";
    QTest::newRow("Ctrl+X on Quit") << "cmdQuit" << ctrl << 1 << "ab";
    QTest::newRow("Ctrl+Shift+X in Text1") << "Text1" << (ctrl | Qt::ShiftModifier) << 0 << "ab";
    QTest::newRow("Ctrl+Alt+X in Text1") << "Text1" << (ctrl | alt) << 0 << "ab";
    // Alt+X is no access key here: it neither ends the program nor types an "x".
    QTest::newRow("Alt+X in Text1") << "Text1" << alt << 0 << "ab";
    QTest::newRow("Alt+Shift+X in Text1") << "Text1" << (alt | Qt::ShiftModifier) << 0 << "ab";
    QTest::newRow("Alt+X on Done") << "cmdDone" << alt << 0 << "ab";
    QTest::newRow("Shift+X in Text1") << "Text1" << Qt::KeyboardModifiers(Qt::ShiftModifier) << 0
                                      << "abX";
    QTest::newRow("X in Text1") << "Text1" << Qt::KeyboardModifiers() << 0 << "abx";
    // X's AltGr level still types (the letter stands in for the level's character).
    QTest::newRow("AltGr+X in Text1")
            << "Text1" << Qt::KeyboardModifiers(Qt::GroupSwitchModifier) << 0 << "abx";
}

void TestWordEntry::ctrlX()
{
    QFETCH(QString, focus);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, ends);
    QFETCH(QString, held);

    Session game;
    QVERIFY(openWordEntry(game));
    Player::type(QStringLiteral("ab"));
    focusControl(game, focus);

    Player::press(Qt::Key_X, modifiers);
    QTest::qWait(50);

    QCOMPARE(game.end.calls, ends);
    QVERIFY(game.dialogs.shown.isEmpty());
    QCOMPARE(game.dialog().Text1->text(), held);
    if (!ends)
        QVERIFY(game.dialog().isVisible());
}

void TestWordEntry::promptNamesTheChooser_data()
{
    QTest::addColumn<QString>("name");

    QTest::newRow("plain") << "Ann";
    QTest::newRow("markup") << "<b>Ann</b>";
    QTest::newRow("ampersand") << "A&B";
    QTest::newRow("entity") << "&amp;";
    QTest::newRow("spaces only") << "   ";
    QTest::newRow("accented") << "Zo\u00EB";
}

void TestWordEntry::promptNamesTheChooser()
{
    QFETCH(QString, name);

    Session game;
    QVERIFY(game.startUp({ name, QStringLiteral("Bob") }));
    QVERIFY(game.newGame());
    const QLabel *prompt = game.dialog().LblWord;
    QCOMPARE(prompt->textFormat(), Qt::PlainText);
    QCOMPARE(prompt->text(), name + ", enter a four-letter word:");
    QVERIFY(!prompt->buddy()); // an "&" in a name is no access key
}

void TestWordEntry::emptyWhenShownAgain()
{
    Session game;
    QVERIFY(game.startUp());
    QVERIFY(game.playWord(QStringLiteral("BOOK")));
    game.tryGuess(QStringLiteral("book"));

    QVERIFY(game.newGame(Dialogs::Yes));
    QCOMPARE(game.dialog().Text1->text(), QString());
    QCOMPARE(game.dialog().LblWord->text(), QStringLiteral("Bob, enter a four-letter word:"));
    // The box takes a full new word, not just what is left of the last one's room.
    QVERIFY(game.enterWord(QStringLiteral("wxyz")));
    QCOMPARE(game.window.word.value(), QStringLiteral("wxyz"));
    QVERIFY(game.window.Timer1->isActive());
}

QTEST_MAIN(TestWordEntry)
#include "tst_wordentry.moc"
