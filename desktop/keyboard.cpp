#include "keyboard.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPointer>
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

// The window a closed box is handing the keyboard back to, until the event loop is next idle.
QPointer<QWidget> returning;

} // namespace

void Keyboard::showWithKeys(QWidget *window)
{
    returning = nullptr;
    window->show();
    // Asked before it is on screen, a compositor may try to raise a window it cannot show
    // yet (mutter logs a critical and gives up on it).
    waitUntil([window] { return window->windowHandle() && window->windowHandle()->isExposed(); });
    window->raise();
    window->activateWindow();
    waitUntil([window] { return window->isActiveWindow(); });
}

QWidget *Keyboard::borrow()
{
    QWidget *owner = QApplication::activeWindow();
    if (!owner && returning && returning->isVisible())
        owner = returning;
    returning = nullptr;
    return owner;
}

void Keyboard::giveBack(QWidget *owner)
{
    returning = owner;
    if (!owner)
        return;
    QTimer::singleShot(0, owner, [owner] {
        if (returning != owner)
            return; // another box or window took the keyboard meanwhile
        returning = nullptr;
        // The closed box itself may still count as active until the window system says so.
        const QWidget *active = QApplication::activeWindow();
        const bool takenElsewhere = active && active != owner && active->isVisible();
        if (owner->isVisible() && !takenElsewhere)
            owner->activateWindow();
    });
}

bool Keyboard::isAltCharacter(const QKeyEvent &key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers();
    return (modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier)
            && !key.text().isEmpty() && key.text().at(0).isPrint();
}
