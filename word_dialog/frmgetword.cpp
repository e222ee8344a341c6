// The dialog's event procedures.

#include "frmgetword.h"

#include "clock.h"
#include "dialogs.h"
#include "end.h"
#include "keyboard.h"
#include "rurovivoze.h"
#include "text.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>

void frmGetWord::Form_Initialize()
{
    Form_Load();
}

// The prompt names the current chooser; after New Game swaps the roles it names the other.
void frmGetWord::Form_Load()
{
    LblWord->setText(rurOvivoze_.Play1 + QStringLiteral(", enter a four-letter word:"));
}

void frmGetWord::Form_Activate()
{
    Form_Load();
}

void frmGetWord::Form_GotFocus()
{
    Form_Load();
}

void frmGetWord::Form_KeyDown(int KeyCode, int Shift)
{
    if (KeyCode == Qt::Key_X && Shift == 2)
        endProgram();
}

void frmGetWord::cmdDone_Click()
{
    spaceFound = 0;
    const qsizetype n = Text::length(Text1->text());
    for (charPos = 1; charPos <= n; charPos = charPos + 1) {
        // A space joined to a combining mark is no " " but still a space in the word.
        if (Text::charAt(Text1->text(), charPos).contains(u' '))
            spaceFound = 1;
    }

    if (Text::length(Text1->text()) != 4 || spaceFound == 1) {
        messageBox(QStringLiteral("Please enter a FOUR-letter word!"));
        Text1->setText(QString());
        Text1->setFocus();
        return;
    }

    rurOvivoze_.word = Text1->text().toLower();
    Text1->setText(QString());
    hide();
    Keyboard::showWithKeys(&rurOvivoze_);
    rurOvivoze_.gTime = 0;
    rurOvivoze_.realTime = Clock::game().now();
    rurOvivoze_.Timer1->start();
}

void frmGetWord::cmdQuit_Click()
{
    endProgram();
}
