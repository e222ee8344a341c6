#pragma once

#include <functional>

// Ends the program at once: every window goes, nothing queued runs, and the exit status is
// 0. Tests put a handler in place to see the call without losing the process.
void endProgram();

using EndHandler = std::function<void()>;
void setEndHandler(EndHandler handler);
