// The board's keys, pressed the way a keyboard delivers them to the focused control: menu
// shortcuts, Enter, Space, Esc and Tab-free access keys. The word entry's own: tst_wordentry.

#include "playersession.h"

#include "controlnames.h"

#include <QClipboard>

#include <memory>

namespace {

const QString keepNamesQuestion = QStringLiteral("     Use the SAME player names?");
const QString fullWordMessage = QStringLiteral("Please enter a FULL four-letter word.");

} // namespace

using Player::activate;
using Player::press;
using Player::type;

class TestKeys : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void menuShortcuts_data();
    void menuShortcuts();
    void beforeTheFirstGame_data();
    void beforeTheFirstGame();
    void enterPressesTry_data();
    void enterPressesTry();
    void buttonKeys_data();
    void buttonKeys();
    void escapeOnBoard_data();
    void escapeOnBoard();
    void altXPressesExit_data();
    void altXPressesExit();
    void menuAccessKeys_data();
    void menuAccessKeys();

private:
    // Names given at start-up: the board waits for the first New Game.
    void startUp();
    // ... Ctrl+N: the chooser's turn, the word entry dialog active.
    void openWordEntry();
    // ... and "word" entered: the guesser's turn, the board active, the clock running.
    void startGame();
    // Puts the focus on a board control; "TxtLet1(n)" is reached by typing n letters.
    void focusBoard(const QString &name);

    std::unique_ptr<Session> m_game;
    frmGetWord *m_dialog = nullptr;
};

void TestKeys::init()
{
    m_game = std::make_unique<Session>();
}

void TestKeys::cleanup()
{
    m_dialog = nullptr;
    m_game.reset();
}

void TestKeys::startUp()
{
    QVERIFY(m_game->startUp());
}

void TestKeys::openWordEntry()
{
    startUp();
    QVERIFY(m_game->newGame());
    m_dialog = &m_game->dialog();
    m_game->dialogs.shown.clear();
}

void TestKeys::startGame()
{
    openWordEntry();
    QVERIFY(m_game->enterWord(QStringLiteral("word")));
    QCOMPARE(QApplication::focusWidget(), m_game->window.TxtLet1[0]);
    QVERIFY(m_game->dialogs.shown.isEmpty());
}

void TestKeys::focusBoard(const QString &name)
{
    QWidget *target = namedWidget(boardControls(m_game->window), name);
    QVERIFY(target);
    const int box = std::distance(m_game->window.TxtLet1.begin(),
                                  std::find(m_game->window.TxtLet1.begin(), m_game->window.TxtLet1.end(),
                                            target));
    if (box < 4) {
        m_game->window.TxtLet1[0]->setFocus();
        type(QStringLiteral("abc").left(box));
    } else if (target == m_game->window.LstUsed) {
        // Below the one empty row every game's list starts with.
        QTest::mouseClick(m_game->window.LstUsed->viewport(), Qt::LeftButton, {}, QPoint(20, 60));
    } else {
        target->setFocus();
    }
    QCOMPARE(QApplication::focusWidget(), target);
}

void TestKeys::menuShortcuts_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("command");

    QTest::newRow("Ctrl+N in TxtLet1(0)") << "TxtLet1(0)" << int(Qt::Key_N) << "new";
    QTest::newRow("Ctrl+N in TxtLet1(2)") << "TxtLet1(2)" << int(Qt::Key_N) << "new";
    QTest::newRow("Ctrl+X in TxtLet1(1)") << "TxtLet1(1)" << int(Qt::Key_X) << "exit";
    QTest::newRow("Ctrl+X in TxtLet1(3)") << "TxtLet1(3)" << int(Qt::Key_X) << "exit";
    QTest::newRow("Ctrl+H in TxtLet1(1)") << "TxtLet1(1)" << int(Qt::Key_H) << "how";
    QTest::newRow("Ctrl+H in TxtLet1(3)") << "TxtLet1(3)" << int(Qt::Key_H) << "how";
    QTest::newRow("Ctrl+A in TxtLet1(0)") << "TxtLet1(0)" << int(Qt::Key_A) << "about";
    QTest::newRow("Ctrl+A in TxtLet1(2)") << "TxtLet1(2)" << int(Qt::Key_A) << "about";
    QTest::newRow("Ctrl+A in the list") << "LstUsed" << int(Qt::Key_A) << "about";
    QTest::newRow("Ctrl+X in the list") << "LstUsed" << int(Qt::Key_X) << "exit";
    QTest::newRow("Ctrl+H on Try!") << "CmdTry" << int(Qt::Key_H) << "how";
    QTest::newRow("Ctrl+N on Exit") << "Command1" << int(Qt::Key_N) << "new";
    QTest::newRow("Ctrl+A on New Game") << "Command2" << int(Qt::Key_A) << "about";
}

// The menus' shortcuts win over the focused control: a letter box holding a character
// neither loses it to Ctrl+X or Ctrl+H nor has it selected by Ctrl+A.
void TestKeys::menuShortcuts()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, command);

    startGame();
    focusBoard(focus);
    QWidget *target = QApplication::focusWidget();
    auto *box = qobject_cast<QLineEdit *>(target);
    if (box) {
        // The game moves on from a box once it holds a character; put one there quietly,
        // selected for Ctrl+X to have something to cut.
        const QSignalBlocker quiet(box);
        box->setText(QStringLiteral("q"));
        if (key == Qt::Key_X)
            box->selectAll();
    }
    QApplication::clipboard()->setText(QStringLiteral("on the clipboard"));
    if (command == QLatin1String("new"))
        m_game->dialogs.answerMessages({ Dialogs::Yes });

    press(Qt::Key(key), Qt::ControlModifier);

    if (command == QLatin1String("new")) {
        QCOMPARE(m_game->dialogs.prompts(), QStringList{ keepNamesQuestion });
        QCOMPARE(m_game->dialogs.shown.first().buttons, Dialogs::YesNo);
        QVERIFY(m_dialog->isVisible());
        QVERIFY(!m_game->window.isVisible());
        QCOMPARE(m_game->end.calls, 0);
        return;
    }

    if (command == QLatin1String("exit")) {
        QCOMPARE(m_game->end.calls, 1);
        QVERIFY(m_game->dialogs.shown.isEmpty());
    } else {
        QCOMPARE(m_game->end.calls, 0);
        QCOMPARE(m_game->dialogs.shown.size(), 1);
        // The very box the menu command shows.
        if (command == QLatin1String("how"))
            m_game->window.mnuHow_Click();
        else
            m_game->window.mnuAbout_Click();
        QCOMPARE(m_game->dialogs.shown.size(), 2);
        QCOMPARE(m_game->dialogs.shown.at(0).prompt, m_game->dialogs.shown.at(1).prompt);
        QCOMPARE(m_game->dialogs.shown.at(0).buttons, Dialogs::OkOnly);
    }

    QCOMPARE(QApplication::focusWidget(), target);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("on the clipboard"));
    if (box) {
        QCOMPARE(box->text(), QStringLiteral("q"));
        QCOMPARE(box->hasSelectedText(), key == Qt::Key_X);
    }
    if (target == m_game->window.LstUsed)
        QVERIFY(m_game->window.LstUsed->selectedItems().isEmpty());
}

void TestKeys::beforeTheFirstGame_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("command"); // "new", "exit", "how", "about" or "nothing"

    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    QTest::newRow("Ctrl+N on New Game") << "Command2" << int(Qt::Key_N) << ctrl << "new";
    QTest::newRow("Ctrl+N in the list") << "LstUsed" << int(Qt::Key_N) << ctrl << "new";
    QTest::newRow("Ctrl+N in an enabled box") << "TxtLet1(1)" << int(Qt::Key_N) << ctrl << "new";
    QTest::newRow("Ctrl+H on Exit") << "Command1" << int(Qt::Key_H) << ctrl << "how";
    QTest::newRow("Ctrl+A in the list") << "LstUsed" << int(Qt::Key_A) << ctrl << "about";
    QTest::newRow("Ctrl+X on New Game") << "Command2" << int(Qt::Key_X) << ctrl << "exit";
    QTest::newRow("Enter in the list") << "LstUsed" << int(Qt::Key_Return) << none << "nothing";
    QTest::newRow("Esc in the list") << "LstUsed" << int(Qt::Key_Escape) << none << "nothing";
}

// The waiting board: "Try!" and the boxes are off until the first New Game. One row
// enables the boxes and "Try!" the way New Game does, keeping the first game's path.
void TestKeys::beforeTheFirstGame()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, command);

    startUp();
    m_game->dialogs.shown.clear();
    QVERIFY(!m_game->window.CmdTry->isEnabled());
    if (focus.startsWith(QLatin1String("TxtLet1"))) {
        m_game->window.CmdTry->setEnabled(true);
        for (QLineEdit *box : m_game->window.TxtLet1)
            box->setEnabled(true);
    }
    focusBoard(focus);

    press(Qt::Key(key), modifiers);

    QCOMPARE(m_game->end.calls, command == QLatin1String("exit") ? 1 : 0);
    const bool opened = command == QLatin1String("new");
    QCOMPARE(m_game->window.getWordDialog().isVisible(), opened);
    QCOMPARE(m_game->window.isVisible(), !opened);
    if (command == QLatin1String("how") || command == QLatin1String("about")) {
        QCOMPARE(m_game->dialogs.shown.size(), 1);
        if (command == QLatin1String("how"))
            m_game->window.mnuHow_Click();
        else
            m_game->window.mnuAbout_Click();
        QCOMPARE(m_game->dialogs.shown.at(0).prompt, m_game->dialogs.shown.at(1).prompt);
    } else {
        // The first game asks no keep-names question.
        QVERIFY(m_game->dialogs.shown.isEmpty());
    }
}

void TestKeys::enterPressesTry_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("tryEnabled");

    const int enter = Qt::Key_Return;
    const int keypadEnter = Qt::Key_Enter;
    QTest::newRow("Enter in TxtLet1(0)") << "TxtLet1(0)" << enter << true;
    QTest::newRow("keypad Enter in TxtLet1(1)") << "TxtLet1(1)" << keypadEnter << true;
    QTest::newRow("Enter in TxtLet1(2)") << "TxtLet1(2)" << enter << true;
    QTest::newRow("Enter in TxtLet1(3)") << "TxtLet1(3)" << enter << true;
    QTest::newRow("Enter in the list") << "LstUsed" << enter << true;
    QTest::newRow("keypad Enter in the list") << "LstUsed" << keypadEnter << true;
    QTest::newRow("Enter in TxtLet1(0), Try! disabled") << "TxtLet1(0)" << enter << false;
    QTest::newRow("Enter in TxtLet1(3), Try! disabled") << "TxtLet1(3)" << enter << false;
    QTest::newRow("Enter in the list, Try! disabled") << "LstUsed" << enter << false;
}

// The boxes before the focused one are filled and the rest empty, so "Try!" refuses.
void TestKeys::enterPressesTry()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(bool, tryEnabled);

    startGame();
    focusBoard(focus);
    QWidget *target = QApplication::focusWidget();
    m_game->window.CmdTry->setEnabled(tryEnabled);
    QStringList before;
    for (const QLineEdit *box : m_game->window.TxtLet1)
        before.append(box->text());

    press(Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);

    QCOMPARE(m_game->dialogs.prompts(), tryEnabled ? QStringList{ fullWordMessage } : QStringList());
    QStringList after;
    for (const QLineEdit *box : m_game->window.TxtLet1)
        after.append(box->text());
    QCOMPARE(after, before);
    QCOMPARE(QApplication::focusWidget(), target);
    QCOMPARE(m_game->window.LstUsed->count(), 1);
    QCOMPARE(m_game->end.calls, 0);
}

void TestKeys::buttonKeys_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("command");

    for (const auto &[name, command] : { std::pair{ "CmdTry", "try" },
                                         std::pair{ "Command1", "exit" },
                                         std::pair{ "Command2", "new" } }) {
        QTest::addRow("Enter on %s", name) << name << int(Qt::Key_Return) << command;
        QTest::addRow("keypad Enter on %s", name) << name << int(Qt::Key_Enter) << command;
        QTest::addRow("Space on %s", name) << name << int(Qt::Key_Space) << command;
    }
}

void TestKeys::buttonKeys()
{
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(QString, command);

    startGame();
    focusBoard(button);
    if (command == QLatin1String("new"))
        m_game->dialogs.answerMessages({ Dialogs::Yes });

    press(Qt::Key(key),
          key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);

    if (command == QLatin1String("try")) {
        QCOMPARE(m_game->dialogs.prompts(), QStringList{ fullWordMessage });
        QCOMPARE(m_game->end.calls, 0);
    } else if (command == QLatin1String("exit")) {
        QVERIFY(m_game->dialogs.shown.isEmpty());
        QCOMPARE(m_game->end.calls, 1);
    } else {
        QCOMPARE(m_game->dialogs.prompts(), QStringList{ keepNamesQuestion });
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(m_game->end.calls, 0);
    }
}

void TestKeys::escapeOnBoard_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");

    for (const char *name : { "TxtLet1(0)", "TxtLet1(2)", "CmdTry", "LstUsed", "Command1",
                              "Command2" })
        QTest::addRow("Esc on %s", name) << QString::fromLatin1(name) << int(Qt::Key_Escape)
                                         << Qt::KeyboardModifiers();
    // Alt with a letter that is no access key types nothing into a letter box.
    const Qt::KeyboardModifiers alt = Qt::AltModifier;
    QTest::newRow("Alt+Q in TxtLet1(0)") << "TxtLet1(0)" << int(Qt::Key_Q) << alt;
    QTest::newRow("Alt+D in TxtLet1(2)") << "TxtLet1(2)" << int(Qt::Key_D) << alt;
    QTest::newRow("Alt+Shift+K in TxtLet1(3)")
            << "TxtLet1(3)" << int(Qt::Key_K) << (alt | Qt::ShiftModifier);
    QTest::newRow("Alt+Space in TxtLet1(1)") << "TxtLet1(1)" << int(Qt::Key_Space) << alt;
}

void TestKeys::escapeOnBoard()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);

    startGame();
    focusBoard(focus);
    QWidget *target = QApplication::focusWidget();
    QStringList before;
    for (const QLineEdit *box : m_game->window.TxtLet1)
        before.append(box->text());

    press(Qt::Key(key), modifiers);
    QTest::qWait(50);

    QVERIFY(m_game->dialogs.shown.isEmpty());
    QCOMPARE(m_game->end.calls, 0);
    QVERIFY(m_game->window.isVisible());
    QVERIFY(!m_dialog->isVisible());
    QVERIFY(m_game->window.Timer1->isActive());
    QCOMPARE(QApplication::focusWidget(), target);
    QStringList after;
    for (const QLineEdit *box : m_game->window.TxtLet1)
        after.append(box->text());
    QCOMPARE(after, before);
}

void TestKeys::altXPressesExit_data()
{
    QTest::addColumn<QString>("focus");

    for (const char *name : { "TxtLet1(0)", "TxtLet1(3)", "CmdTry", "LstUsed", "Command2" })
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestKeys::altXPressesExit()
{
    QFETCH(QString, focus);

    startGame();
    focusBoard(focus);
    const QString typedBefore = m_game->window.TxtLet1[0]->text();

    press(Qt::Key_X, Qt::AltModifier);

    // An access key presses its button with a short visible push.
    QTRY_COMPARE(m_game->end.calls, 1);
    QVERIFY(m_game->dialogs.shown.isEmpty());
    QCOMPARE(m_game->window.TxtLet1[0]->text(), typedBefore);
}

void TestKeys::menuAccessKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("menu");

    QTest::newRow("Alt+F") << int(Qt::Key_F) << "File";
    QTest::newRow("Alt+H") << int(Qt::Key_H) << "Help";
}

void TestKeys::menuAccessKeys()
{
    QFETCH(int, key);
    QFETCH(QString, menu);

    startGame();
    QMenu *opened = menu == QLatin1String("File") ? m_game->window.MnuFile : m_game->window.MnuHelp;
    QMenu *other = opened == m_game->window.MnuFile ? m_game->window.MnuHelp : m_game->window.MnuFile;

    press(Qt::Key(key), Qt::AltModifier);
    QTRY_VERIFY(opened->isVisible());
    QVERIFY(!other->isVisible());

    // Esc closes the menu, and nothing else.
    press(Qt::Key_Escape);
    QTRY_VERIFY(!opened->isVisible());
    QVERIFY(m_game->window.isVisible());
    QVERIFY(m_game->dialogs.shown.isEmpty());
    QCOMPARE(m_game->end.calls, 0);
}

QTEST_MAIN(TestKeys)
#include "tst_keys.moc"
