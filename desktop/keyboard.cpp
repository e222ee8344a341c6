#include "keyboard.h"

#include <QEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

namespace {

class ActivationWait : public QObject
{
public:
    explicit ActivationWait(QEventLoop &loop) : m_loop(loop) { }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::WindowActivate)
            m_loop.quit();
        return QObject::eventFilter(watched, event);
    }

private:
    QEventLoop &m_loop;
};

} // namespace

void Keyboard::showWithKeys(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
    if (window->isActiveWindow())
        return;
    QEventLoop loop;
    ActivationWait wait(loop);
    window->installEventFilter(&wait);
    QTimer::singleShot(1000, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    window->removeEventFilter(&wait);
}

bool Keyboard::isAltCharacter(const QKeyEvent &key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers();
    return (modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier)
            && !key.text().isEmpty() && key.text().at(0).isPrint();
}
