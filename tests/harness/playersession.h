#pragma once

// A run of the game as two players see it: the real windows, started the way the program
// starts them, with scripted message and input boxes and the end of the program caught.
// Keys go to whichever control has the focus and mouse clicks to the control under the
// pointer, as a player's would.

// Mouse events enter through the window, which finds the control under the pointer.
#ifdef QTESTMOUSE_H
#error "include playersession.h before QTest, or clicks skip the window"
#endif
#define QTEST_QPA_MOUSE_HANDLING

#include "frmgetword.h"
#include "rurovivoze.h"
#include "scripteddialogs.h"
#include "text.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace Player {

// Offscreen no window is active after a window hides or a modal box closes, and shortcuts
// only reach the active window.
[[nodiscard]] inline bool activate(QWidget *window)
{
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// Keys go where the keyboard sends them: to an open menu, else to the focused control.
inline QWidget *keyboardTarget()
{
    if (QWidget *popup = QApplication::activePopupWidget())
        return popup;
    QWidget *focus = QApplication::focusWidget();
    return focus ? focus : QApplication::activeWindow();
}

// The text a keyboard sends with a key: Ctrl+letter is the control character (Ctrl+H is
// Backspace's "\b"), a letter alone or with Alt is the letter itself.
inline QString keyText(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    if (key < Qt::Key_A || key > Qt::Key_Z)
        return key == Qt::Key_Space ? QStringLiteral(" ") : QString();
    if (modifiers & Qt::ControlModifier)
        return QString(QChar(key - Qt::Key_A + 1));
    const QChar letter(key);
    return QString(modifiers & Qt::ShiftModifier ? letter : letter.toLower());
}

// Shortcuts and access keys are tried first, then the focused control gets the key.
inline void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::sendKeyEvent(QTest::Click, keyboardTarget(), key, keyText(key, modifiers), modifiers);
}

// One key press per character as players see it. Characters beyond ASCII, emoji sequences
// and letters with combining accents arrive as one key event carrying the whole text, the
// way an input method commits them.
inline void type(const QString &text)
{
    for (const QString &character : Text::graphemes(text)) {
        QWidget *target = keyboardTarget();
        if (character.size() == 1 && character.at(0).unicode() >= 0x20
            && character.at(0).unicode() < 0x7f) {
            QTest::keyClick(target, character.at(0).toLatin1());
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(target, &release);
    }
}

inline void click(QWidget *control)
{
    QTest::mouseClick(control, Qt::LeftButton);
}

// Opens the menu from the menu bar and clicks the item, both with the mouse.
[[nodiscard]] inline bool choose(QMainWindow *window, QMenu *menu, QAction *item)
{
    QMenuBar *bar = window->menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    if (!QTest::qWaitFor([menu] { return menu->isVisible(); }))
        return false;
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    return true;
}

} // namespace Player

// Construction order matters: the boxes and the end handler outlive the windows.
struct Session
{
    ScriptedDialogs dialogs;
    EndCounter end;
    rurOvivoze window;

    frmGetWord &dialog() { return window.getWordDialog(); }

    // What main does, then the player looks at the board.
    [[nodiscard]] bool startUp(const QStringList &names = { QStringLiteral("Ann"),
                                                            QStringLiteral("Bob") })
    {
        dialogs.answerInputs(names);
        window.Form_Load();
        window.show();
        return Player::activate(&window);
    }

    // Ctrl+N; from the second game on the keep-names question gets `keepNames`.
    [[nodiscard]] bool newGame(int keepNames = Dialogs::Yes)
    {
        if (window.firstime != 1)
            dialogs.answerMessages({ keepNames });
        Player::press(Qt::Key_N, Qt::ControlModifier);
        return dialog().isVisible() && Player::activate(&dialog())
                && QApplication::focusWidget() == dialog().Text1;
    }

    // The chooser types the word and presses Enter; an accepted word brings the board back.
    [[nodiscard]] bool enterWord(const QString &word)
    {
        Player::type(word);
        Player::press(Qt::Key_Return);
        return window.isVisible() && Player::activate(&window);
    }

    [[nodiscard]] bool playWord(const QString &word, int keepNames = Dialogs::Yes)
    {
        return newGame(keepNames) && enterWord(word);
    }

    // The guesser types into the boxes from the focused one on and presses Enter.
    void tryGuess(const QString &guess)
    {
        Player::type(guess);
        Player::press(Qt::Key_Return);
    }

    QStringList boxes() const
    {
        QStringList texts;
        for (const QLineEdit *box : window.TxtLet1)
            texts.append(box->text());
        return texts;
    }
};
