#pragma once

#include <unicode/brkiter.h>

#include <memory>

namespace CharacterBreaks {

// A new ICU character break iterator: from ICU's own data on Linux, from the compiled rules the
// Windows build carries on Windows. Null when ICU cannot make one.
std::unique_ptr<icu::BreakIterator> newIcuIterator();

} // namespace CharacterBreaks
