#include "dialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Runs `answer` on the modal box as soon as it is up, while the caller waits in exec().
void whenModalShows(std::function<void(QWidget *)> answer)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            answer(modal);
        }
    });
    poll->start(10);
}

QAbstractButton *buttonWithText(QWidget *box, const QString &text)
{
    for (QAbstractButton *button : box->findChildren<QAbstractButton *>()) {
        if (button->text().remove(u'&') == text)
            return button;
    }
    return nullptr;
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void messageBoxShowsPlainTextWithoutIcon_data();
    void messageBoxShowsPlainTextWithoutIcon();
    void questionAnswers_data();
    void questionAnswers();
    void questionCannotBeEscaped();
    void inputBox_data();
    void inputBox();
};

void TestDialogs::messageBoxShowsPlainTextWithoutIcon_data()
{
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("shownTitle");
    QTest::addColumn<QString>("shownText");

    QTest::newRow("default title, line breaks")
            << "one\r\ntwo" << QString() << "Quadrel" << "one\ntwo";
    QTest::newRow("markup stays literal")
            << "The word is <b>a&b</b>." << "Own" << "Own" << "The word is <b>a&b</b>.";
}

void TestDialogs::messageBoxShowsPlainTextWithoutIcon()
{
    QFETCH(QString, prompt);
    QFETCH(QString, title);
    QFETCH(QString, shownTitle);
    QFETCH(QString, shownText);

    QString seenTitle, seenText;
    QMessageBox::Icon seenIcon = QMessageBox::Critical;
    Qt::TextFormat seenFormat = Qt::RichText;
    int buttons = 0;
    whenModalShows([&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        QVERIFY(box);
        seenTitle = box->windowTitle();
        seenText = box->text();
        seenIcon = box->icon();
        seenFormat = box->textFormat();
        buttons = int(box->buttons().size());
        QTest::keyClick(box, Qt::Key_Return);
    });
    const int answer = title.isNull() ? messageBox(prompt) : messageBox(prompt, Dialogs::OkOnly, title);

    QCOMPARE(answer, int(Dialogs::Ok));
    QCOMPARE(seenTitle, shownTitle);
    QCOMPARE(seenText, shownText);
    QCOMPARE(seenIcon, QMessageBox::NoIcon);
    QCOMPARE(seenFormat, Qt::PlainText);
    QCOMPARE(buttons, 1);
}

void TestDialogs::questionAnswers_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("answer");

    QTest::newRow("yes") << "Yes" << int(Dialogs::Yes);
    QTest::newRow("no") << "No" << int(Dialogs::No);
}

void TestDialogs::questionAnswers()
{
    QFETCH(QString, button);
    QFETCH(int, answer);

    int buttons = 0;
    whenModalShows([&](QWidget *box) {
        buttons = int(box->findChildren<QPushButton *>().size());
        QAbstractButton *target = buttonWithText(box, button);
        QVERIFY(target);
        QTest::mouseClick(target, Qt::LeftButton);
    });
    QCOMPARE(messageBox("     Use the SAME player names?", Dialogs::YesNo, "Keep Player Names?"),
             answer);
    QCOMPARE(buttons, 2);
}

void TestDialogs::questionCannotBeEscaped()
{
    bool stillOpenAfterEscape = false;
    whenModalShows([&](QWidget *box) {
        QTest::keyClick(box, Qt::Key_Escape);
        box->close();
        stillOpenAfterEscape = box->isVisible();
        QTest::mouseClick(buttonWithText(box, "No"), Qt::LeftButton);
    });
    QCOMPARE(messageBox("?", Dialogs::YesNo, "Keep Player Names?"), int(Dialogs::No));
    QVERIFY(stillOpenAfterEscape);
}

void TestDialogs::inputBox_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("result");

    QTest::newRow("default kept") << QString() << false << "Player 1";
    QTest::newRow("typed over") << "Ann" << false << "Ann";
    QTest::newRow("cleared") << "" << false << "";
    QTest::newRow("cancel") << "Ann" << true << "";
    QTest::newRow("only spaces") << "   " << false << "   ";
}

void TestDialogs::inputBox()
{
    QFETCH(QString, typed);
    QFETCH(bool, cancel);
    QFETCH(QString, result);

    QString seenTitle, seenPrompt, seenDefault;
    Qt::TextFormat promptFormat = Qt::RichText;
    whenModalShows([&](QWidget *modal) {
        auto *box = qobject_cast<QInputDialog *>(modal);
        QVERIFY(box);
        seenTitle = box->windowTitle();
        auto *field = box->findChild<QLineEdit *>();
        seenDefault = field->text();
        auto *label = box->findChild<QLabel *>();
        seenPrompt = label->text();
        promptFormat = label->textFormat();
        if (!typed.isNull()) {
            field->selectAll();
            QTest::keyClick(field, Qt::Key_Delete);
            QTest::keyClicks(field, typed);
        }
        QTest::keyClick(field, cancel ? Qt::Key_Escape : Qt::Key_Return);
    });
    QCOMPARE(::inputBox("Enter the name of Player 1:", "Player 1", "Player 1"), result);
    QCOMPARE(seenTitle, QStringLiteral("Player 1"));
    QCOMPARE(seenPrompt, QStringLiteral("Enter the name of Player 1:"));
    QCOMPARE(seenDefault, QStringLiteral("Player 1"));
    QCOMPARE(promptFormat, Qt::PlainText);
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
