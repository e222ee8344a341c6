#pragma once

#include <QPointer>
#include <QWidget>

class QDialog;
class QKeyEvent;

// Who has the keyboard. Window managers differ in whether they hand it to a window that is
// shown, or back to the window under a box that closed; without one nobody does.
namespace Keyboard {

// A box takes the keyboard while it is open; when it closes, the window that had it before
// gets it back. Window managers do that for their own reasons, and without one nobody does.
// A box (the message and input boxes, platform/dialogs.cpp) holds a Loan for as long as it is
// open. It borrows from the active window, or else from the window a box that just closed was
// handing the keyboard back to (the name boxes asked one after the other over the board).
class Loan
{
public:
    Loan();

    // The keyboard goes back only once the caller has done what follows, and only if the
    // window is still shown and no other window of ours has it by then (showWithKeys() calls
    // the hand-back off). A window the caller hides next (the board, as the word entry
    // shows) is never activated on the way, which some window managers flag and others log.
    ~Loan();

    Loan(const Loan &) = delete;
    Loan &operator=(const Loan &) = delete;

    // The box stands over the window it borrowed the keyboard from, so that the window
    // manager places it there. With none shown (the name boxes before the board is) it is a
    // window of its own: as a dialog without a parent Qt would name its hidden helper window
    // as the parent instead, which window managers reject.
    void place(QDialog &box) const;

    QWidget *owner() const { return m_owner; }

private:
    QPointer<QWidget> m_owner;
};

// Shows the window and waits until the window system has given it the keyboard, asking for
// it where needed, so that a window hidden next cannot take the keyboard along; a second at
// most on X11, 2.3 on Wayland. Players' keys wait meanwhile; nothing is lost. A keyboard a
// closed box was handing back stays with this window instead.
void showWithKeys(QWidget *window);

// Alt with a character key is an access key or nothing, never text. Ctrl+Alt stays text: it
// is how some systems report AltGr.
bool isAltCharacter(const QKeyEvent &key);

} // namespace Keyboard
