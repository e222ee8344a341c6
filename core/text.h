#pragma once

#include <QString>
#include <QStringList>

// Text operations of the game. A "character" is what a player sees as one: a grapheme
// cluster, so an accented letter written with a combining mark, a flag or an emoji with a
// skin-tone modifier each count once. Case conversion, joining and comparison are
// QString's own (toLower, toUpper, +, ==) and need no wrapper.
namespace Text {

// Removes spaces (only U+0020) from both ends; tabs and other white space stay.
QString trim(const QString &text);

QStringList graphemes(const QString &text);
qsizetype length(const QString &text);

// The character at a 1-based position, or an empty text outside 1..length.
QString charAt(const QString &text, qsizetype position);

// The first `count` characters.
QString left(const QString &text, qsizetype count);

// The game writes line breaks as "\r\n"; Qt breaks lines on "\n" and would show the "\r".
QString shownLineBreaks(const QString &text);

// Fixed two decimals, at least one digit before the point, rounded half away from zero,
// always with "." whatever the locale.
QString format00(double number);

// A text that reads as a number is formatted as that number; any other text comes back
// unchanged.
QString format00(const QString &text);

} // namespace Text
