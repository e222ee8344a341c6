#pragma once

class QKeyEvent;
class QWidget;

// Who has the keyboard. Window managers differ in whether they hand it to a window that is
// shown, or back to the window under a box that closed; without one nobody does.
namespace Keyboard {

// Shows the window and asks for the keyboard, then waits (a second at most) until the
// window system has given it, so that a window hidden next cannot take the keyboard along.
// Players' keys wait meanwhile; nothing is lost. A keyboard a closed box was handing back
// stays with this window instead.
void showWithKeys(QWidget *window);

// A box that opens borrows the keyboard: from the active window, or else from the window a
// box that just closed was handing it back to, which then does not get it yet. Null when
// none of the program's windows is shown.
QWidget *borrow();

// A box closed: the keyboard goes back to `owner`, but only once the caller has done what
// follows, and only if `owner` is still shown and no other window of ours has it by then. A
// window the caller hides next (the board, as the word entry shows) is never activated on
// the way, which some window managers flag and others log.
void giveBack(QWidget *owner);

// Alt with a character key is an access key or nothing, never text. Ctrl+Alt stays text: it
// is how some systems report AltGr.
bool isAltCharacter(const QKeyEvent &key);

} // namespace Keyboard
