// The dialog's event procedures; at the end, how the events it takes itself reach them.

#include "frmgetword.h"

#include "clock.h"
#include "dialogs.h"
#include "end.h"
#include "keyboard.h"
#include "rurovivoze.h"
#include "text.h"
#include "wordlength.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace {

// The Shift argument of Form_KeyDown: one bit for each modifier held.
enum ShiftBits { ShiftMask = 1, CtrlMask = 2, AltMask = 4 };

int shiftState(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? ShiftMask : 0)
            | (modifiers & Qt::ControlModifier ? CtrlMask : 0)
            | (modifiers & Qt::AltModifier ? AltMask : 0);
}

} // namespace

void frmGetWord::Form_Initialize()
{
    Form_Load();
}

// The prompt names the current chooser; after New Game swaps the roles it names the other.
void frmGetWord::Form_Load()
{
    LblWord->setText(rurOvivoze_.Play1 + QStringLiteral(", enter a four-letter word:"));
}

void frmGetWord::Form_Activate()
{
    Form_Load();
}

void frmGetWord::Form_GotFocus()
{
    Form_Load();
}

void frmGetWord::Form_KeyDown(int KeyCode, int Shift)
{
    // Ctrl+X alone (no Shift or Alt with it) ends the program, as the menu's Exit does.
    if (KeyCode == Qt::Key_X && Shift == CtrlMask)
        endProgram();
}

void frmGetWord::cmdDone_Click()
{
    spaceFound = 0;
    const qsizetype n = Text::length(Text1->text());
    for (charPos = 1; charPos <= n; charPos = charPos + 1) {
        // A space joined to a combining mark is no " " but still a space in the word.
        if (Text::charAt(Text1->text(), charPos).contains(u' '))
            spaceFound = 1;
    }

    if (Text::length(Text1->text()) != wordLength || spaceFound == 1) {
        messageBox(QStringLiteral("Please enter a FOUR-letter word!"));
        Text1->setText(QString());
        Text1->setFocus();
        return;
    }

    rurOvivoze_.word = Text1->text().toLower();
    Text1->setText(QString());
    hide();
    Keyboard::showWithKeys(&rurOvivoze_);
    rurOvivoze_.gTime = 0;
    rurOvivoze_.realTime = Clock::game().now();
    rurOvivoze_.Timer1->start();
}

void frmGetWord::cmdQuit_Click()
{
    endProgram();
}

// How the events the dialog takes itself reach the event procedures: wireEvents() puts this
// filter on every control, as a key preview.

bool frmGetWord::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        Form_KeyDown(key->key(), shiftState(key->modifiers()));
        // Alt+D and Alt+Q are taken as access keys before this; Alt+X and the rest type nothing.
        if (watched == Text1 && Keyboard::isAltCharacter(*key))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool frmGetWord::event(QEvent *event)
{
    // Showing the dialog activates it; the window system may report the activation later,
    // or not at all without a window manager, so the prompt is refreshed on both.
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate)
        Form_Activate();
    else if (event->type() == QEvent::FocusIn)
        Form_GotFocus();
    return QDialog::event(event);
}

// Esc and the window manager's close both arrive here; neither may close the dialog.
void frmGetWord::reject() { }
