#include "end.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

EndHandler &handler()
{
    static EndHandler current;
    return current;
}

} // namespace

void setEndHandler(EndHandler newHandler)
{
    handler() = std::move(newHandler);
}

void endProgram()
{
    if (handler()) {
        handler()();
        return;
    }
    // Returning to the event loop would let queued events and the rest of the calling
    // procedure run; leave without unwinding instead. The windows go with the process.
    for (QWidget *window : QApplication::topLevelWidgets())
        window->hide();
    std::fflush(nullptr);
    std::_Exit(0);
}
