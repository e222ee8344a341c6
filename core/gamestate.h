#pragma once

#include "variant.h"

#include <QString>
#include <QVariant>
#include <QtGlobal>

// Everything the game remembers for the whole run; nothing of it outlives the process.
// Play1 is always the chooser and Play2 the guesser; keeping the names for the next game
// exchanges them, declining asks for both again.
struct GameState
{
    QString Play1;
    QString Play2;
    Variant<QString> word;     // the secret as the chooser entered it, in lower case
    QVariant change;           // never set or read by the game
    Variant<qint32> keep;      // last answer to the keep-names question: 6 Yes, 7 No; the
                               // second New Game asks it first
    Variant<QString> switch_;  // the chooser before the last exchange of roles ("switch" is taken)
    Variant<qint16> gCounter;  // box index of Try!'s loops over the boxes; 0 after Form_Load
    Variant<qint16> gCounter2; // never set or read by the game
    Variant<QString> user;     // the last guess tried, the four boxes joined as typed
    Variant<qint16> firstime;  // runs of the board's Form_Load: 1 until the first New Game,
                               // which therefore asks no keep-names question
    double gTime = 0;          // seconds of the current game at the clock's last tick
    double realTime = 0;       // clock reading when the current game's word was accepted
};
