#include "keyboard.h"

#include "dialogs.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <functional>

namespace {

// Runs the event loop, players' keys held back, until `done` holds or a second has passed.
void waitUntil(const std::function<bool()> &done)
{
    if (done())
        return;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    poll.start(10);
    QTimer::singleShot(1000, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

void Keyboard::showWithKeys(QWidget *window)
{
    Dialogs::callOffHandBack();
    // Meanwhile the window system may hand the keyboard to another of our windows, one the
    // caller hides next (the board, after a box closed). Qt 6.4 on Wayland asks the
    // compositor to activate every window that gets the keyboard, from the application's
    // focus signals, and the late request makes KWin flag that window as demanding
    // attention; our own code does not rely on those signals.
    const QSignalBlocker quiet(qApp);
    window->show();
    // Asked before it is on screen, a compositor may try to raise a window it cannot show
    // yet (mutter logs a critical and gives up on it).
    waitUntil([window] { return window->windowHandle() && window->windowHandle()->isExposed(); });
    window->raise();
    window->activateWindow();
    waitUntil([window] { return window->isActiveWindow(); });
}

bool Keyboard::isAltCharacter(const QKeyEvent &key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers();
    return (modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier)
            && !key.text().isEmpty() && key.text().at(0).isPrint();
}
