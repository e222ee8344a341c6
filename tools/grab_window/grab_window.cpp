// Saves one X window as a PNG: grab_window <window id> <file.png>
// Used by the screenshot script, so that no image tool beyond Qt is needed.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 3) {
        std::fputs("usage: grab_window <window id> <file.png>\n", stderr);
        return 2;
    }
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(args.at(1).toULongLong(nullptr, 0));
    return !shot.isNull() && shot.save(args.at(2), "PNG") ? 0 : 1;
}
