#include "clock.h"
#include "rurovivoze.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstdlib>

namespace {

// Qt aborts with a long plugin message when it cannot reach a display; say it in one line.
bool displayConfigured()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
            || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// Every window, message and input box shows this icon. It carries every drawn size so that
// a dock or Alt+Tab on a HiDPI screen picks a sharp one; 32 x 32 is the 256-colour original.
QIcon programIcon()
{
    QIcon icon(QStringLiteral(":/assets/quadrel.png"));
    for (const int size : { 16, 24, 48, 64, 128, 256 })
        icon.addFile(QStringLiteral(":/assets/quadrel-%1.png").arg(size));
    return icon;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!displayConfigured()) {
        std::fputs("quadrel: no display to open the game on (DISPLAY is not set).\n", stderr);
        return EXIT_FAILURE;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quadrel"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.quadrel.Quadrel"));
    QApplication::setWindowIcon(programIcon());
    // Every way out goes through the game's own exit; a moment with no window shown (between
    // the name boxes, or while the board hides for word entry) must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);

    Clock::game(); // the time of day is read once, now; the game clock runs from here

    rurOvivoze window;
    window.Form_Load();
    window.show();
    return app.exec();
}
