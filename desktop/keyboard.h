#pragma once

class QKeyEvent;
class QWidget;

// Who has the keyboard. Window managers differ in whether they hand it to a window that is
// shown, or back to the window under a box that closed; without one nobody does.
namespace Keyboard {

// Shows the window and waits until the window system has given it the keyboard, asking for
// it where needed, so that a window hidden next cannot take the keyboard along; a second at
// most on X11, 2.3 on Wayland. Players' keys wait meanwhile; nothing is lost. A keyboard a
// closed box was handing back stays with this window instead.
void showWithKeys(QWidget *window);

// Alt with a character key is an access key or nothing, never text. Ctrl+Alt stays text: it
// is how some systems report AltGr.
bool isAltCharacter(const QKeyEvent &key);

} // namespace Keyboard
