#pragma once

#include "wordlength.h"

#include <QString>

#include <array>

// The mark under one letter box.
enum class GuessMark : char {
    I = 'I', // right character, right place
    O = 'O', // occurs elsewhere in the secret
    X = 'X', // does not occur
};

QString markText(GuessMark mark);

using Marking = std::array<GuessMark, wordLength>;

// True when the guess spells the secret, capitals or not.
bool IsFullMatch(const QString &word, const QString &user);

// Marks each box on its own and counts nothing: a secret character that is "I" at one place
// still makes every other copy of it in the guess "O". Only the guess side is lower-cased;
// the secret is stored in lower case.
Marking MarkGuess(const QString &word, const std::array<QString, wordLength> &letters);
