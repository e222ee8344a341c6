// The real message and input boxes in the middle of a game: what the players read in them
// and how their answers come back. Nothing scripted stands in; a timer answers each box
// with real keys and clicks while the game waits for it.

#include "playersession.h"

#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <deque>
#include <functional>

namespace {

struct Seen
{
    QString title;
    QString text; // as the box's label shows it
    Qt::TextFormat format = Qt::AutoText;
    QString field; // an input box's entry field as it opens
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool isInput = false;
    bool boardVisible = false;
    const QWidget *parent = nullptr; // the window it stands over
    Qt::WindowType type = Qt::Widget;
};

// Counts the times a window is made the active one, from start() on.
class Activations : public QObject
{
public:
    explicit Activations(QWidget &window) { window.installEventFilter(this); }
    void start() { m_counting = true; }
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_counting && event->type() == QEvent::WindowActivate)
            ++count;
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_counting = false;
};

class BoxAnswerer : public QObject
{
public:
    using Answer = std::function<void(QWidget *)>;

    explicit BoxAnswerer(const QWidget &board) : m_board(board)
    {
        connect(&m_poll, &QTimer::timeout, this, &BoxAnswerer::poll);
        m_poll.start(5);
    }

    void then(const Answer &answer) { m_answers.push_back(answer); }

    static Answer type(const QString &text)
    {
        return [text](QWidget *box) {
            auto *field = box->findChild<QLineEdit *>();
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(field, Qt::Key_Backspace);
            QTest::keyClicks(field, text);
            QTest::keyClick(field, Qt::Key_Return);
        };
    }
    static Answer cancel()
    {
        return [](QWidget *box) {
            Player::click(box->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel));
        };
    }
    static Answer press(QMessageBox::StandardButton which)
    {
        return [which](QWidget *box) { Player::click(static_cast<QMessageBox *>(box)->button(which)); };
    }

    QList<Seen> seen;
    int unexpected = 0;

private:
    void poll()
    {
        QWidget *box = QApplication::activeModalWidget();
        if (!box || !box->isVisible() || box->property("answered").toBool())
            return;
        box->setProperty("answered", true);

        Seen what;
        what.title = box->windowTitle();
        what.boardVisible = m_board.isVisible();
        what.parent = box->parentWidget();
        what.type = box->windowType();
        if (auto *input = qobject_cast<QInputDialog *>(box)) {
            what.isInput = true;
            what.field = input->textValue();
        } else if (auto *message = qobject_cast<QMessageBox *>(box)) {
            what.buttons = message->standardButtons();
            what.icon = message->icon();
        }
        for (const QLabel *label : box->findChildren<QLabel *>()) {
            if (!label->text().isEmpty()) {
                what.text = label->text();
                what.format = label->textFormat();
            }
        }
        seen.append(what);

        if (m_answers.empty()) {
            ++unexpected;
            static_cast<QDialog *>(box)->done(QDialog::Accepted);
            return;
        }
        const Answer answer = m_answers.front();
        m_answers.pop_front();
        answer(box);
    }

    const QWidget &m_board;
    QTimer m_poll;
    std::deque<Answer> m_answers;
};

const QString howToPlayShown = QStringLiteral(
        "Bob, it is your job to try to guess\n"
        "the word that %1 enters.\n"
        "\n"
        "--If you see an 'I' in the box, then you have\n"
        "   guessed a correct letter in the correct spot.\n"
        "\n"
        "--If you see an 'O' in the box, then you have\n"
        "   guessed a correct letter, but it is in the wrong spot.\n"
        "\n"
        "--If you see an 'X' in the box, then you have\n"
        "   guessed a letter that is not in the word.\n"
        "\n"
        "%1, to enter a word for Bob to guess,\n"
        "press Ctrl+N or use the menu bar or button.");

} // namespace

class TestRealBoxes : public QObject
{
    Q_OBJECT

private slots:
    void nameBoxes_data();
    void nameBoxes();
    void keepNamesQuestion_data();
    void keepNamesQuestion();
    void messagesOfAGame();
    void namesShownLiterally_data();
    void namesShownLiterally();

private:
    // Start-up with the name boxes answered, then the first word entered.
    void startGame(rurOvivoze &w, BoxAnswerer &boxes, const QString &chooser);
};

void TestRealBoxes::startGame(rurOvivoze &w, BoxAnswerer &boxes, const QString &chooser)
{
    boxes.then(BoxAnswerer::type(chooser));
    boxes.then(BoxAnswerer::type(QStringLiteral("Bob")));
    w.Form_Load();
    w.show();
    QVERIFY(Player::activate(&w));
    Player::press(Qt::Key_N, Qt::ControlModifier);
    QVERIFY(Player::activate(&w.getWordDialog()));
    Player::type(QStringLiteral("book"));
    Player::press(Qt::Key_Return);
    QVERIFY(Player::activate(&w));
}

void TestRealBoxes::nameBoxes_data()
{
    QTest::addColumn<QStringList>("answers"); // "!cancel" presses Cancel; "!ok" takes the default
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("play1");
    QTest::addColumn<QString>("play2");

    QTest::newRow("typed names") << QStringList{ "Ann", "Bob" }
                                 << QStringList{ "Player 1", "Player 2" } << "Ann" << "Bob";
    QTest::newRow("defaults taken") << QStringList{ "!ok", "!ok" }
                                    << QStringList{ "Player 1", "Player 2" } << "Player 1"
                                    << "Player 2";
    QTest::newRow("cancel asks again") << QStringList{ "!cancel", "Ann", "!cancel", "Bob" }
                                       << QStringList{ "Player 1", "Player 1", "Player 2", "Player 2" }
                                       << "Ann" << "Bob";
    QTest::newRow("field emptied asks again")
            << QStringList{ "", "Ann", "Bob" } << QStringList{ "Player 1", "Player 1", "Player 2" }
            << "Ann" << "Bob";
}

void TestRealBoxes::nameBoxes()
{
    QFETCH(QStringList, answers);
    QFETCH(QStringList, titles);
    QFETCH(QString, play1);
    QFETCH(QString, play2);

    EndCounter end;
    rurOvivoze w;
    BoxAnswerer boxes(w);
    for (const QString &answer : answers) {
        if (answer == "!cancel")
            boxes.then(BoxAnswerer::cancel());
        else if (answer == "!ok")
            boxes.then([](QWidget *box) { QTest::keyClick(box->findChild<QLineEdit *>(), Qt::Key_Return); });
        else
            boxes.then(BoxAnswerer::type(answer));
    }
    w.Form_Load();
    w.show();

    QCOMPARE(boxes.seen.size(), titles.size());
    for (qsizetype i = 0; i < titles.size(); ++i) {
        const Seen &box = boxes.seen.at(i);
        QVERIFY(box.isInput);
        QCOMPARE(box.title, titles.at(i));
        QCOMPARE(box.text, "Enter the name of " + titles.at(i) + ":");
        QCOMPARE(box.format, Qt::PlainText);
        QCOMPARE(box.field, titles.at(i));
        QVERIFY(!box.boardVisible); // the board is first shown once both names are in
        // With nothing to stand over, a window of its own rather than a dialog of none.
        QCOMPARE(box.parent, nullptr);
        QCOMPARE(box.type, Qt::Window);
    }
    QCOMPARE(w.Play1, play1);
    QCOMPARE(w.Play2, play2);
    QCOMPARE(boxes.unexpected, 0);
}

void TestRealBoxes::keepNamesQuestion_data()
{
    QTest::addColumn<bool>("yes");

    QTest::newRow("Yes") << true;
    QTest::newRow("No") << false;
}

void TestRealBoxes::keepNamesQuestion()
{
    QFETCH(bool, yes);

    EndCounter end;
    rurOvivoze w;
    BoxAnswerer boxes(w);
    startGame(w, boxes, QStringLiteral("Ann"));

    // The board hides for the word entry once the boxes are answered: handing it the
    // keyboard back on the way is what window managers flag or complain about.
    Activations boardActivations(w);
    boxes.then([&](QWidget *box) {
        boardActivations.start();
        BoxAnswerer::press(yes ? QMessageBox::Yes : QMessageBox::No)(box);
    });
    if (!yes) {
        boxes.then(BoxAnswerer::type(QStringLiteral("Cy")));
        boxes.then(BoxAnswerer::type(QStringLiteral("Di")));
    }
    Player::press(Qt::Key_N, Qt::ControlModifier);
    QTest::qWait(100);
    QVERIFY(!w.isVisible());
    QCOMPARE(boardActivations.count, 0);

    QCOMPARE(boxes.seen.size(), yes ? 3 : 5);
    const Seen &question = boxes.seen.at(2);
    QCOMPARE(question.title, QStringLiteral("Keep Player Names?"));
    QCOMPARE(question.text, QStringLiteral("     Use the SAME player names?"));
    QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(question.icon, QMessageBox::NoIcon);
    QVERIFY(question.boardVisible);
    QCOMPARE(question.parent, &w);
    if (!yes) {
        QCOMPARE(boxes.seen.at(3).title, QStringLiteral("Player 1"));
        QCOMPARE(boxes.seen.at(4).title, QStringLiteral("Player 2"));
        // Asked over the board, though no window had the keyboard between the boxes.
        QCOMPARE(boxes.seen.at(3).parent, &w);
        QCOMPARE(boxes.seen.at(4).parent, &w);
    }
    QCOMPARE(w.Play1, yes ? QStringLiteral("Bob") : QStringLiteral("Cy"));
    QCOMPARE(w.Play2, yes ? QStringLiteral("Ann") : QStringLiteral("Di"));
    QVERIFY(w.getWordDialog().isVisible());
    QVERIFY(Player::activate(&w.getWordDialog()));
    QCOMPARE(w.getWordDialog().LblWord->text(), w.Play1 + ", enter a four-letter word:");

    // The boxes closed while the board was going away; the guesser still starts in box 0.
    Player::type(QStringLiteral("tree"));
    Player::press(Qt::Key_Return);
    QVERIFY(Player::activate(&w));
    QCOMPARE(QApplication::focusWidget(), w.TxtLet1[0]);
    Player::type(QStringLiteral("oops"));
    Player::press(Qt::Key_Return);
    QCOMPARE(w.LblGuess->text(), QStringLiteral("1"));
    QCOMPARE(boxes.unexpected, 0);
}

// Every message of a game says its piece with OK alone, no icon and the game's title.
void TestRealBoxes::messagesOfAGame()
{
    EndCounter end;
    rurOvivoze w;
    BoxAnswerer boxes(w);
    boxes.then(BoxAnswerer::type(QStringLiteral("Ann")));
    boxes.then(BoxAnswerer::type(QStringLiteral("Bob")));
    w.Form_Load();
    w.show();
    QVERIFY(Player::activate(&w));
    Player::press(Qt::Key_N, Qt::ControlModifier);
    frmGetWord &dialog = w.getWordDialog();
    QVERIFY(Player::activate(&dialog));

    boxes.then(BoxAnswerer::press(QMessageBox::Ok));
    Player::type(QStringLiteral("boo"));
    Player::press(Qt::Key_Return);
    // A window that stays shown gets the keyboard back from the box by itself.
    QTRY_VERIFY(dialog.isActiveWindow());
    QCOMPARE(QApplication::focusWidget(), dialog.Text1);
    Player::type(QStringLiteral("book"));
    Player::press(Qt::Key_Return);
    QVERIFY(Player::activate(&w));

    boxes.then(BoxAnswerer::press(QMessageBox::Ok));
    Player::type(QStringLiteral("bo"));
    Player::press(Qt::Key_Return);
    QTRY_VERIFY(w.isActiveWindow());
    QCOMPARE(w.Timer1->isActive(), true);
    Player::click(w.TxtLet1[2]);
    QVERIFY(QTest::qWaitFor([&] { return w.lblTime->text() != QStringLiteral("0.00"); }));

    boxes.then(BoxAnswerer::press(QMessageBox::Ok));
    Player::type(QStringLiteral("ok"));
    Player::press(Qt::Key_Return);
    const QString time = w.lblTime->text();

    const QStringList texts = {
        QStringLiteral("Please enter a FOUR-letter word!"),
        QStringLiteral("Please enter a FULL four-letter word."),
        "          You Guessed It!\n          Congratulations!\nYour time was " + time + " seconds.",
    };
    QCOMPARE(boxes.seen.size(), 2 + texts.size());
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const Seen &message = boxes.seen.at(2 + i);
        QCOMPARE(message.text, texts.at(i));
        QCOMPARE(message.format, Qt::PlainText);
        QCOMPARE(message.title, QStringLiteral("Quadrel"));
        QCOMPARE(message.buttons, QMessageBox::Ok);
        QCOMPARE(message.icon, QMessageBox::NoIcon);
    }
    QVERIFY(!w.Timer1->isActive());
    QCOMPARE(boxes.unexpected, 0);
}

void TestRealBoxes::namesShownLiterally_data()
{
    QTest::addColumn<QString>("name");

    QTest::newRow("markup") << "<b>Ann</b>";
    QTest::newRow("ampersand") << "A&B";
    QTest::newRow("entity") << "&lt;i&gt;";
}

void TestRealBoxes::namesShownLiterally()
{
    QFETCH(QString, name);

    EndCounter end;
    rurOvivoze w;
    BoxAnswerer boxes(w);
    startGame(w, boxes, name);
    QCOMPARE(w.Play1, name);

    boxes.then(BoxAnswerer::press(QMessageBox::Ok));
    Player::press(Qt::Key_H, Qt::ControlModifier);
    QCOMPARE(boxes.seen.size(), 3);
    QCOMPARE(boxes.seen.last().text, howToPlayShown.arg(name));
    QCOMPARE(boxes.seen.last().format, Qt::PlainText);
    QCOMPARE(boxes.unexpected, 0);
}

QTEST_MAIN(TestRealBoxes)
#include "tst_realboxes.moc"
