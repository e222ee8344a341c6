// Starts a program and prints the milliseconds from its start until the X server maps its
// first top-level window with the given title; then ends the program.
// Usage: mapwait <title> <program> [arguments...]
//
// Without a window manager every top-level window is a child of the root window, so one
// SubstructureNotify selection on the root sees each map as it happens: no polling delay
// is added to the figure.
#include <X11/Xlib.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <string>

namespace {

constexpr int timeoutMs = 20000;

double monotonicMs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// A window can vanish between its map event and this query; that is no error here.
int ignoreErrors(Display *, XErrorEvent *)
{
    return 0;
}

std::string textProperty(Display *display, Window window, Atom name)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char *data = nullptr;
    if (XGetWindowProperty(display, window, name, 0, 1024, False, AnyPropertyType, &type,
                           &format, &count, &remaining, &data) != Success
        || !data)
        return {};
    std::string text = format == 8 ? std::string(reinterpret_cast<char *>(data), count) : "";
    XFree(data);
    return text;
}

bool titled(Display *display, Window window, const std::string &title)
{
    static const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    return textProperty(display, window, netWmName) == title
            || textProperty(display, window, XInternAtom(display, "WM_NAME", False)) == title;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fputs("usage: mapwait <title> <program> [arguments...]\n", stderr);
        return 2;
    }
    const std::string title = argv[1];

    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("mapwait: cannot open the display\n", stderr);
        return 1;
    }
    fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);
    XSetErrorHandler(ignoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double start = monotonicMs();
    const pid_t child = fork();
    if (child == 0) {
        // Standard output carries the figure alone.
        dup2(open("/dev/null", O_WRONLY), STDOUT_FILENO);
        execvp(argv[2], argv + 2);
        std::perror("mapwait: exec");
        _exit(127);
    }

    double mappedAfter = -1;
    bool exited = false;
    pollfd connection { ConnectionNumber(display), POLLIN, 0 };
    while (mappedAfter < 0 && !exited && monotonicMs() - start < timeoutMs) {
        while (XPending(display) && mappedAfter < 0) {
            XEvent event;
            XNextEvent(display, &event);
            const double now = monotonicMs();
            if (event.type == MapNotify && titled(display, event.xmap.window, title))
                mappedAfter = now - start;
        }
        exited = waitpid(child, nullptr, WNOHANG) == child;
        if (mappedAfter < 0 && !exited)
            poll(&connection, 1, 100);
    }

    if (!exited) {
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
    }
    XCloseDisplay(display);
    if (mappedAfter < 0) {
        std::fprintf(stderr, "mapwait: no window titled '%s' was mapped\n", title.c_str());
        return 1;
    }
    std::printf("%.1f\n", mappedAfter);
    return 0;
}
