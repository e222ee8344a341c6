#pragma once

// The marking rule in one line per box, as the README states it, for differential tests of
// the product's own procedure (MarkGuess): I in place, O elsewhere in the secret, X nowhere.
// Used by tst_guessmarking and by the fuzzer in tests/fuzz.

#include "guessmarking.h"

#include <QStringList>

#include <array>

// `secret` holds the secret's characters as players count them; positions past its fourth
// character take no part, and positions missing from a short secret read as empty.
inline QString referenceMarks(const QStringList &secret, const std::array<QString, 4> &boxes)
{
    QStringList positions;
    for (int p = 0; p < 4; ++p)
        positions.append(secret.value(p));
    QString marks;
    for (int i = 0; i < 4; ++i) {
        const QString guess = boxes[i].toLower();
        marks += guess == positions.at(i) ? u'I' : positions.contains(guess) ? u'O' : u'X';
    }
    return marks;
}

inline QString marksOf(const Marking &marking)
{
    QString text;
    for (GuessMark mark : marking)
        text += markText(mark);
    return text;
}
