#include "clock.h"
#include "keyboard.h"
#include "rurovivoze.h"
#include "windowicon.h"

#include <QApplication>
#include <QIcon>
#include <QList>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <utility>

namespace {

// Without a display to reach (no X server, no Wayland compositor, or a stale DISPLAY or
// WAYLAND_DISPLAY) Qt gives up with a long abort message; a player needs one line instead.
// What Qt says while it looks for a display is held back, and passed on once one is found.
class DisplayCheck
{
public:
    DisplayCheck() { previous = qInstallMessageHandler(&DisplayCheck::hold); }
    ~DisplayCheck()
    {
        qInstallMessageHandler(previous);
        for (const Held &message : std::exchange(held, {})) {
            const QMessageLogContext context(nullptr, 0, nullptr, message.category);
            previous(message.type, context, message.text);
        }
    }

private:
    struct Held
    {
        QtMsgType type;
        const char *category; // Qt's categories are named by string literals
        QString text;
    };

    static void hold(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (type != QtFatalMsg) {
            held.append({ type, context.category, message });
            return;
        }
        std::fprintf(stderr, "quadrel: no display to open the game on (DISPLAY is '%s', "
                             "WAYLAND_DISPLAY is '%s'); start it from a desktop session.\n",
                     qgetenv("DISPLAY").constData(), qgetenv("WAYLAND_DISPLAY").constData());
        std::_Exit(EXIT_FAILURE);
    }

    static inline QtMessageHandler previous = nullptr;
    static inline QList<Held> held;
};

// Every window, message and input box shows this icon. It carries every drawn size so that
// a dock or Alt+Tab on a HiDPI screen picks a sharp one.
QIcon programIcon()
{
    QIcon icon;
    for (const WindowIcon::Picture &picture : WindowIcon::pictures)
        icon.addFile(QStringLiteral(":/assets/") + QLatin1String(picture.file));
    return icon;
}

} // namespace

int main(int argc, char *argv[])
{
    std::optional<DisplayCheck> displayCheck(std::in_place);
    QApplication app(argc, argv);
    displayCheck.reset();

    QApplication::setApplicationName(QStringLiteral("Quadrel"));
    QApplication::setApplicationVersion(QStringLiteral(QUADREL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(QUADREL_APP_ID));
    QApplication::setWindowIcon(programIcon());
    // Every way out goes through the game's own exit; a moment with no window shown (between
    // the name boxes, or while the board hides for word entry) must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);

    Clock::game(); // the time of day is read once, now; the game clock runs from here

    rurOvivoze window;
    window.Form_Load();
    // Only modal boxes ask for the keyboard as they show; the board must ask for itself.
    Keyboard::showWithKeys(&window);
    return app.exec();
}
