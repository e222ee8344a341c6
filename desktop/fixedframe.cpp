#include "fixedframe.h"

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>

#ifndef Q_OS_WIN
#include <xcb/xcb.h>

#include <cstdlib>
#endif

namespace {

#ifndef Q_OS_WIN
// The functions and decorations of the _MOTIF_WM_HINTS property that X window managers read.
enum MotifFlags : quint32 { functionsGiven = 1, decorationsGiven = 2 };
enum MotifFunctions : quint32 { functionMove = 4, functionMinimize = 8, functionClose = 32 };
enum MotifDecorations : quint32 { border = 2, title = 8, systemMenu = 16, minimizeButton = 32 };
#endif

// A window manager may still grant a maximize or full-screen request that a program or a
// key binding of its own sends; the window asks straight back for its normal state.
class KeepNormalState : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = static_cast<QWidget *>(watched);
        constexpr Qt::WindowStates grown = Qt::WindowMaximized | Qt::WindowFullScreen;
        if (event->type() == QEvent::WindowStateChange && (window->windowState() & grown)) {
            QTimer::singleShot(0, window, [window, grown] {
                window->setWindowState(window->windowState() & ~grown);
            });
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void offerFixedFrame(QWidget *window)
{
    window->installEventFilter(new KeepNormalState(window));
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                           | Qt::WindowCloseButtonHint);
#ifdef Q_OS_WIN
    // A dialog frame: Windows then draws no sizing border and no maximize box.
    window->setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
#else
    // Qt's X plugin offers resizing to every framed window, fixed size or not, and some
    // window managers then blow a fixed window up to the whole screen; say it plainly.
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !connection)
        return;
    static const char name[] = "_MOTIF_WM_HINTS";
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, false, sizeof name - 1, name), nullptr);
    if (!atom)
        return;
    const quint32 hints[5] = { functionsGiven | decorationsGiven,
                               functionMove | functionMinimize | functionClose,
                               border | title | systemMenu | minimizeButton, 0, 0 };
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window->winId()),
                        atom->atom, atom->atom, 32, 5, hints);
    std::free(atom);
    xcb_flush(connection);
#endif
}
