#pragma once

#include <QString>

#include <optional>
#include <vector>

// Where one character as players see it (a grapheme cluster) ends and the next begins: the one
// part of the text operations that asks the system. Each system has one implementation file
// (characterbreaks_icu.cpp: ICU, on Linux and Windows); text.cpp is the same everywhere.
namespace CharacterBreaks {

// Offsets in UTF-16 units where characters end, following the Unicode rules; nothing when the
// system's break finder is not available (text.cpp then counts UTF-16 units).
std::optional<std::vector<qsizetype>> ends(const QString &text);

} // namespace CharacterBreaks
