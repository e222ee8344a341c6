// The chooser at the word entry dialog: what is taken as the secret word, what is refused,
// and what the dialog's keys and buttons do.

#include "playersession.h"
#include "shownstars.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

const QString thumbs = QStringLiteral("\U0001F44D\U0001F3FD");
const QString wave = QStringLiteral("\U0001F44B\U0001F3FF");
const QString victory = QStringLiteral("\u270C\U0001F3FE");
const QString okHand = QStringLiteral("\U0001F44C\U0001F3FC");

enum class Outcome { Accepted, Refused, Ignored };

} // namespace

Q_DECLARE_METATYPE(Outcome)

class TestWordEntry : public QObject
{
    Q_OBJECT

private slots:
    void entries_data();
    void entries();
    void keysAndButtons_data();
    void keysAndButtons();
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
    QTest::newRow("fifth character ignored") << "abcde" << "abcd" << 4;
    QTest::newRow("four emoji with modifiers")
            << thumbs + wave + victory + okHand << thumbs + wave + victory + okHand << 4;
    QTest::newRow("combining accent") << "CAFE\u0301" << "cafe\u0301" << 4;
    QTest::newRow("markup") << "<b>x" << "<b>x" << 4;
    QTest::newRow("ampersands") << "&&&&" << "&&&&" << 4;
    QTest::newRow("right to left") << "\u05D3\u05E0\u05D4\u05D0" << "\u05D3\u05E0\u05D4\u05D0" << 4;
    QTest::newRow("joined emoji family")
            << "\U0001F468\u200D\U0001F469\u200D\U0001F467" + thumbs + "ab"
            << "\U0001F468\u200D\U0001F469\u200D\U0001F467" + thumbs + "ab" << 4;
    QTest::newRow("capital sharp s") << "\u1E9Eabc" << "\u00DFabc" << 4;
    QTest::newRow("five emoji keep four") << thumbs.repeated(5) << thumbs.repeated(4) << 4;
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
    QTest::newRow("three accented letters") << "e\u0301e\u0301e\u0301" << "" << 3;
}

void TestWordEntry::entries()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(int, stars);

    Session game;
    QVERIFY(game.startUp());
    QVERIFY(game.newGame());
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
        QCOMPARE(game.dialogs.shown.size(), 2);
        return;
    }

    QCOMPARE(game.dialogs.shown.size(), 3);
    const ScriptedDialogs::Shown &message = game.dialogs.shown.last();
    QCOMPARE(message.kind, ScriptedDialogs::Shown::Message);
    QCOMPARE(message.prompt, QStringLiteral("Please enter a FOUR-letter word!"));
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

void TestWordEntry::keysAndButtons_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key"); // 0: a mouse click on Done
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<Outcome>("outcome");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    QTest::newRow("Enter, four letters") << "abcd" << int(Qt::Key_Return) << none << Outcome::Accepted;
    QTest::newRow("keypad Enter") << "abcd" << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier)
                                  << Outcome::Accepted;
    QTest::newRow("click Done") << "abcd" << 0 << none << Outcome::Accepted;
    QTest::newRow("Alt+D") << "abcd" << int(Qt::Key_D) << Qt::KeyboardModifiers(Qt::AltModifier)
                           << Outcome::Accepted;
    QTest::newRow("Enter, three letters") << "abc" << int(Qt::Key_Return) << none << Outcome::Refused;
    QTest::newRow("click Done, three letters") << "abc" << 0 << none << Outcome::Refused;
    QTest::newRow("Esc") << "abcd" << int(Qt::Key_Escape) << none << Outcome::Ignored;
    QTest::newRow("Ctrl+Shift+X") << "abcd" << int(Qt::Key_X)
                                  << (Qt::ControlModifier | Qt::ShiftModifier) << Outcome::Ignored;
    QTest::newRow("Alt+X") << "abcd" << int(Qt::Key_X) << Qt::KeyboardModifiers(Qt::AltModifier)
                           << Outcome::Ignored;
    QTest::newRow("X alone") << "abc" << int(Qt::Key_X) << none << Outcome::Ignored;
}

void TestWordEntry::keysAndButtons()
{
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(Outcome, outcome);

    Session game;
    QVERIFY(game.startUp());
    QVERIFY(game.newGame());
    frmGetWord &dialog = game.dialog();
    Player::type(typed);

    if (key)
        Player::press(Qt::Key(key), modifiers);
    else
        Player::click(dialog.cmdDone);

    // Access keys press their button a moment later.
    switch (outcome) {
    case Outcome::Accepted:
        QTRY_VERIFY(game.window.isVisible());
        QCOMPARE(game.window.word.value(), QStringLiteral("abcd"));
        QVERIFY(!dialog.isVisible());
        break;
    case Outcome::Refused:
        QTRY_COMPARE(game.dialogs.shown.size(), 3);
        QCOMPARE(game.dialogs.shown.last().prompt, QStringLiteral("Please enter a FOUR-letter word!"));
        QVERIFY(dialog.isVisible());
        break;
    case Outcome::Ignored:
        QTest::qWait(50);
        QVERIFY(dialog.isVisible());
        QVERIFY(!game.window.isVisible());
        QCOMPARE(game.dialogs.shown.size(), 2);
        QVERIFY(game.window.word.isEmpty());
        if (key == Qt::Key_X && modifiers == Qt::NoModifier)
            QCOMPARE(dialog.Text1->text(), QStringLiteral("abcx"));
        break;
    }
    QCOMPARE(game.end.calls, 0);
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
