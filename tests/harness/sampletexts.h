#pragma once

// Characters made of more than one code point or UTF-16 unit, which every suite that counts,
// shows or compares characters must keep whole.

#include <QString>

// Emoji with a skin-tone modifier: one character each.
inline const QString thumbs = QStringLiteral("\U0001F44D\U0001F3FD");
inline const QString wave = QStringLiteral("\U0001F44B\U0001F3FF");
inline const QString victory = QStringLiteral("\u270C\U0001F3FE"); // three UTF-16 units, not four
inline const QString okHand = QStringLiteral("\U0001F44C\U0001F3FC");
// The thumb without its modifier: another character than thumbs.
inline const QString bareThumb = QStringLiteral("\U0001F44D");
// Man, woman and girl joined by zero-width joiners: one character.
inline const QString joinedFamily = QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467");
// e and a combining acute accent: one character, "é" written in two code points.
inline const QString eAcute = QStringLiteral("e\u0301");
