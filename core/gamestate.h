#pragma once

#include "variant.h"

#include <QString>
#include <QVariant>
#include <QtGlobal>

// Everything the game remembers for the whole run; nothing of it outlives the process.
// Play1 is always the chooser and Play2 the guesser; roles change only by exchanging them.
struct GameState
{
    QString Play1;
    QString Play2;
    Variant<QString> word;     // the secret, lower case
    QVariant change;           // kept for the other window's sake; nothing uses it
    Variant<qint32> keep;      // last answer to the keep-names question: 6 Yes, 7 No
    Variant<QString> switch_;  // the old Play1 while the names are exchanged ("switch" is taken)
    Variant<qint16> gCounter;  // box index 0..wordLength-1 of the Try loops, and list row index
    Variant<qint16> gCounter2; // 1-based position in the secret
    Variant<QString> user;     // the current guess, the four boxes joined
    Variant<qint16> firstime;  // runs of the main window's start-up procedure
    double gTime = 0;          // seconds of the current game at the last tick
    double realTime = 0;       // clock reading when the current game started
};
