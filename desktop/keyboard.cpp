#include "keyboard.h"

#include "dialogs.h"

#include <QApplication>
#include <QGuiApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <chrono>
#include <functional>

using namespace std::chrono_literals;

namespace {

// Runs the event loop, players' keys held back, until `done` holds or the time is up.
void waitUntil(const std::function<bool()> &done, std::chrono::milliseconds most)
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
    QTimer::singleShot(most, &loop, &QEventLoop::quit);
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
    window->raise();
    const auto active = [window] { return window->isActiveWindow(); };
    // A Wayland compositor hands a new window the keyboard by itself; asked at once, it may
    // try to raise a window it has not put on screen yet (mutter logs a critical). So there
    // a window asks only when it has not got the keyboard soon after it is on screen. An X
    // window manager may not hand it over, and without one nobody does: there it asks at once.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        waitUntil([window] { return window->windowHandle() && window->windowHandle()->isExposed(); },
                  1s);
        waitUntil(active, 300ms);
    }
    if (!active()) {
        window->activateWindow();
        waitUntil(active, 1s);
    }
}

bool Keyboard::isAltCharacter(const QKeyEvent &key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers();
    return (modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier)
            && !key.text().isEmpty() && key.text().at(0).isPrint();
}
