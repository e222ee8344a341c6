#include "keyboard.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPointer>
#include <QSignalBlocker>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#ifdef Q_OS_WIN
#include <QtGui/private/qguiapplication_p.h>
#endif

#include <chrono>
#include <functional>

using namespace std::chrono_literals;

namespace {

// The window a closed box is handing the keyboard back to, until the event loop is next idle.
QPointer<QWidget> returning;

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

// Windows lets only the foreground program bring a window forward, and once the window that had
// the keyboard hides (the word dialog, when the word is taken) the game is no longer that
// program: Qt would only flash the taskbar button. Qt takes the keyboard all the same when told.
void takeKeyboardEvenInBackground()
{
#ifdef Q_OS_WIN
    using QNativeInterface::Private::QWindowsApplication;
    if (auto *windows = qGuiApp->nativeInterface<QWindowsApplication>())
        windows->setWindowActivationBehavior(QWindowsApplication::AlwaysActivateWindow);
#endif
}

} // namespace

Keyboard::Loan::Loan() : m_owner(QApplication::activeWindow())
{
    if (!m_owner && returning && returning->isVisible())
        m_owner = returning;
    returning = nullptr;
}

Keyboard::Loan::~Loan()
{
    returning = m_owner;
    if (!m_owner)
        return;
    QTimer::singleShot(0, m_owner, [owner = m_owner] {
        if (returning != owner)
            return; // another box or window took the keyboard meanwhile
        returning = nullptr;
        // The closed box itself may still count as active until the window system says so.
        const QWidget *active = QApplication::activeWindow();
        const bool takenElsewhere = active && active != owner && active->isVisible();
        if (owner->isVisible() && !takenElsewhere) {
            takeKeyboardEvenInBackground();
            owner->activateWindow();
        }
    });
}

void Keyboard::Loan::place(QDialog &box) const
{
    if (!m_owner)
        box.setWindowFlags((box.windowFlags() & ~Qt::WindowType_Mask) | Qt::Window);
}

void Keyboard::showWithKeys(QWidget *window)
{
    // This window keeps the keyboard: a box that closed before calls its hand-back off.
    returning = nullptr;
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
        takeKeyboardEvenInBackground();
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
