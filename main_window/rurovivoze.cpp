// The board's event procedures, in the order a game runs through them; at the end, how the
// events the board takes itself (keys, focus, clicks) reach them.

#include "rurovivoze.h"

#include "clock.h"
#include "descriptionchange.h"
#include "dialogs.h"
#include "end.h"
#include "frmgetword.h"
#include "guessmarking.h"
#include "keyboard.h"
#include "text.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

#include <array>
#include <numeric>

namespace {

const QString lineBreak = QStringLiteral("\r\n");

// The KeyAscii code Backspace arrives as (ASCII BS).
constexpr int KeyAsciiBackspace = 8;

} // namespace

// Prepares the board for a game: at start-up, and again from New Game.
void rurOvivoze::Form_Load()
{
    LstUsed->clear();
    LstUsed->addItem(QString());
    LblGuess->clear();
    for (QLabel *label : LblUser1)
        label->clear();
    QFont timeFont = lblTime->font();
    timeFont.setPointSizeF(12);
    lblTime->setFont(timeFont);
    gCounter = 0;
    for (QLineEdit *box : TxtLet1)
        box->setText(QString());

    if (Play1.isEmpty()) {
        while (Play1.isEmpty())
            Play1 = inputBox(QStringLiteral("Enter the name of Player 1:"),
                             QStringLiteral("Player 1"), QStringLiteral("Player 1"));
        while (Play2.isEmpty())
            Play2 = inputBox(QStringLiteral("Enter the name of Player 2:"),
                             QStringLiteral("Player 2"), QStringLiteral("Player 2"));
    }

    firstime = firstime + 1;
    if (firstime != 1) {
        frmGetWord &dialog = getWordDialog();
        // Returns once the dialog has the keyboard: a window manager told that the focused
        // board went while the dialog was still being mapped may keep the keyboard itself.
        dialog.showCentred();
        dialog.Text1->setFocus();
        hide();
    } else {
        CmdTry->setEnabled(false);
        Timer1->stop();
        for (QLineEdit *box : TxtLet1)
            box->setEnabled(false);
    }

    Label1->setText(Text::shownLineBreaks(QStringLiteral("This Game:") + lineBreak + lineBreak
                                          + Play1 + QStringLiteral(" chooses;") + lineBreak
                                          + Play2 + QStringLiteral(" guesses.")));
}

void rurOvivoze::mnuNew_Click()
{
    Timer1->stop();
    tellTime();
    for (QLabel *label : LblLet1)
        label->clear();
    TxtLet1[0]->setAccessibleDescription(letterDescription(0));
    CmdTry->setEnabled(true);
    for (QLineEdit *box : TxtLet1)
        box->setText(QString());
    for (QLineEdit *box : TxtLet1)
        box->setEnabled(true);

    if (firstime != 1) {
        keep = messageBox(QStringLiteral("     Use the SAME player names?"), Dialogs::YesNo,
                          QStringLiteral("Keep Player Names?"));
    } else {
        TxtLet1[0]->setFocus();
        Form_Load();
    }

    if (keep == Dialogs::Yes) {
        switch_ = Play1;
        Play1 = Play2;
        Play2 = switch_.value();
        TxtLet1[0]->setFocus();
        Form_Load();
    } else if (keep == Dialogs::No) {
        Play1.clear();
        Play2.clear();
        TxtLet1[0]->setFocus();
        Form_Load();
    }
}

void rurOvivoze::Command2_Click()
{
    mnuNew_Click();
}

void rurOvivoze::TxtLet1_KeyPress(int Index, int KeyAscii)
{
    // Only Backspace is acted on; the box still applies every key afterwards.
    if (KeyAscii != KeyAsciiBackspace || Index == 0)
        return;
    if (!TxtLet1[Index]->text().isEmpty())
        TxtLet1[Index]->setText(QString());
    else
        TxtLet1[Index - 1]->setFocus();
}

// Keeps each box to one character and moves the focus on once it holds one.
void rurOvivoze::TxtLet1_Change(int Index)
{
    if (Text::length(TxtLet1[Index]->text()) > 1)
        TxtLet1[Index]->setText(QString());

    if (Text::length(TxtLet1[Index]->text()) != 1)
        return;
    if (Index == wordLength - 1) {
        if (CmdTry->isEnabled())
            CmdTry->setFocus();
    } else {
        TxtLet1[Index + 1]->setFocus();
    }
}

void rurOvivoze::TxtLet1_GotFocus(int Index)
{
    TxtLet1[Index]->setText(QString());
}

void rurOvivoze::CmdTry_Click()
{
    for (gCounter = 0; gCounter < wordLength; gCounter = gCounter + 1) {
        if (Text::trim(TxtLet1[gCounter]->text()).isEmpty()) {
            messageBox(QStringLiteral("Please enter a FULL four-letter word."));
            return;
        }
    }

    for (gCounter = 0; gCounter < wordLength; gCounter = gCounter + 1)
        LblLet1[gCounter]->clear();
    std::array<QString, wordLength> letters;
    for (int i = 0; i < wordLength; ++i)
        letters[i] = TxtLet1[i]->text();
    user = std::accumulate(letters.cbegin(), letters.cend(), QString());

    if (IsFullMatch(word, user)) {
        CmdTry->setEnabled(false);
        Timer1->stop();
        tellTime();
        for (gCounter = 0; gCounter < wordLength; gCounter = gCounter + 1) {
            TxtLet1[gCounter]->setText(QString());
            TxtLet1[gCounter]->setEnabled(false);
            LblLet1[gCounter]->clear();
        }
        const QString time = Text::format00(lblTime->text());
        messageBox(QStringLiteral("          You Guessed It!") + lineBreak
                   + QStringLiteral("          Congratulations!") + lineBreak
                   + QStringLiteral("Your time was ") + time + QStringLiteral(" seconds."));
        return;
    }

    for (gCounter = 0; gCounter < wordLength; gCounter = gCounter + 1)
        LblUser1[gCounter]->setText(TxtLet1[gCounter]->text());
    const Marking marking = MarkGuess(word, letters);
    for (gCounter = 0; gCounter < wordLength; gCounter = gCounter + 1)
        LblLet1[gCounter]->setText(markText(marking[gCounter]));
    for (QLineEdit *box : TxtLet1)
        box->setText(QString());

    QString row = user.value().toUpper() + QStringLiteral(" - ");
    for (QLabel *mark : LblLet1)
        row += mark->text();
    // Newest first; the empty row every game starts with stays last.
    LstUsed->insertItem(0, row);
    LblGuess->setText(QString::number(LstUsed->count() - 1));
    TxtLet1[0]->setAccessibleDescription(spokenResult());
    TxtLet1[0]->setFocus();
    // Qt tells of the focus only after GotFocus has emptied box 0, and Orca 43, hearing the
    // focused box's caret move first, takes it for the focus without a word; the description
    // change is then all it speaks, and must carry the text.
    DescriptionChange::resend(TxtLet1[0]);
}

QString rurOvivoze::letterDescription(int Index)
{
    return QStringLiteral("Letter %1 of your guess").arg(Index + 1);
}

// A screen reader says box 0's description as the focus returns there, so a player who
// cannot see the board hears the result without leaving the boxes.
QString rurOvivoze::spokenResult() const
{
    QStringList marks;
    for (const QLabel *mark : LblLet1)
        marks << mark->text();
    const int wrong = LstUsed->count() - 1;
    return user.value().toUpper() + QStringLiteral(": ") + marks.join(u' ') + QStringLiteral(". ")
            + QString::number(wrong)
            + (wrong == 1 ? QStringLiteral(" wrong guess.") : QStringLiteral(" wrong guesses."));
}

// The time is recomputed from the clock at every tick, never counted in ticks.
void rurOvivoze::Timer1_Timer()
{
    gTime = Clock::elapsed(realTime, Clock::game().now());
    lblTime->setText(Text::format00(gTime));
    if (qint64(gTime) != m_toldSecond)
        tellTime();
}

// The clock label has an accessible name of its own, so its caption changes stay off the
// accessibility bus (a hundred a second would flood it). Assistive technology is told the
// time once a second while the clock runs, and the exact caption as soon as it stops.
void rurOvivoze::tellTime()
{
    m_toldSecond = qint64(gTime);
    lblTime->setAccessibleName(lblTime->text());
}

void rurOvivoze::mnuHow_Click()
{
    const QStringList lines = {
        Play2 + QStringLiteral(", it is your job to try to guess"),
        QStringLiteral("the word that ") + Play1 + QStringLiteral(" enters."),
        QString(),
        QStringLiteral("--If you see an 'I' in the box, then you have"),
        QStringLiteral("   guessed a correct letter in the correct spot."),
        QString(),
        QStringLiteral("--If you see an 'O' in the box, then you have"),
        QStringLiteral("   guessed a correct letter, but it is in the wrong spot."),
        QString(),
        QStringLiteral("--If you see an 'X' in the box, then you have"),
        QStringLiteral("   guessed a letter that is not in the word."),
        QString(),
        Play1 + QStringLiteral(", to enter a word for ") + Play2 + QStringLiteral(" to guess,"),
        QStringLiteral("press Ctrl+N or use the menu bar or button."),
    };
    messageBox(lines.join(lineBreak));
}

void rurOvivoze::mnuAbout_Click()
{
    // The version sits in the last sentence so that its point is not taken for a full stop.
    messageBox(QStringLiteral(
            "Quadrel is a word game for two players who share one computer.  One player "
            "secretly chooses a word of four characters, and the other tries to find it.  "
            "Under every wrong guess the marks I, O and X tell which characters are in place, "
            "which belong elsewhere and which do not occur at all.  The clock runs until the "
            "word is found, so be quick as well as clever: this is Quadrel version "
            QUADREL_VERSION "."));
}

void rurOvivoze::LblCheat_Click()
{
    messageBox(QStringLiteral("The word is ") + word.value() + QStringLiteral("."));
}

void rurOvivoze::Command1_Click()
{
    endProgram();
}

void rurOvivoze::mnuExit_Click()
{
    endProgram();
}

void rurOvivoze::Form_Unload(int &Cancel)
{
    Q_UNUSED(Cancel);
    endProgram();
}

// How the events the board takes itself reach the event procedures: wireEvents() puts this
// filter on the letter boxes, the buttons, the list and the hidden label.

int rurOvivoze::letterBoxIndex(const QObject *object) const
{
    for (int i = 0; i < wordLength; ++i) {
        if (TxtLet1[i] == object)
            return i;
    }
    return -1;
}

bool rurOvivoze::eventFilter(QObject *watched, QEvent *event)
{
    const int box = letterBoxIndex(watched);

    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // Letter boxes claim Ctrl+X and Ctrl+A for editing, the list Ctrl+A for selecting;
        // on this board the menus win.
        const auto *key = static_cast<QKeyEvent *>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QAction *action : { mnuNew, mnuExit, mnuHow, mnuAbout }) {
            if (action->shortcut() == pressed) {
                event->ignore();
                return true;
            }
        }
        break;
    }
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // A main window has no default button of its own: Enter presses "Try!" from
            // the letter boxes and the list, and any other button presses itself.
            if (auto *push = qobject_cast<QPushButton *>(watched))
                push->click();
            else if (CmdTry->isEnabled())
                CmdTry->click();
            return true;
        }
        // Access keys never get here; any other Alt+character types nothing.
        if (box >= 0 && Keyboard::isAltCharacter(*key))
            return true;
        if (box >= 0) {
            if (key->key() == Qt::Key_Backspace)
                TxtLet1_KeyPress(box, KeyAsciiBackspace);
            else if (!key->text().isEmpty())
                TxtLet1_KeyPress(box, key->text().at(0).unicode());
        }
        break;
    }
    case QEvent::FocusIn:
        // New Game leaves box 0 focused as it hides the board. An activation still on its
        // way from the menu that started the game can reach the hidden board, and Qt then
        // passes the focus on from the unseen box 0: the guesser would begin in box 1.
        if (box > 0 && !isVisible()) {
            TxtLet1[0]->setFocus();
            return true;
        }
        if (box >= 0)
            TxtLet1_GotFocus(box);
        break;
    case QEvent::MouseButtonRelease:
        if (watched == LblCheat
            && LblCheat->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint()))
            LblCheat_Click();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void rurOvivoze::closeEvent(QCloseEvent *event)
{
    int Cancel = 0;
    Form_Unload(Cancel);
    if (Cancel)
        event->ignore();
}
