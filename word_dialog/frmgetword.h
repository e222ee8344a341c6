#pragma once

#include "variant.h"

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class rurOvivoze;

// The borderless strip in which the chooser types the secret word, unseen. It leaves only
// through an accepted word, Quit or Ctrl+X: Esc and the window manager cannot close it.
class frmGetWord : public QDialog
{
    Q_OBJECT

public:
    explicit frmGetWord(rurOvivoze &mainWindow);

    void showCentred();

    QLabel *Picture1;
    QFrame *Shape1;
    QFrame *ShpBorder;
    QLabel *LblWord;
    QLineEdit *Text1;
    QPushButton *cmdDone;
    QPushButton *cmdQuit;

    Variant<qint16> charPos;
    Variant<qint16> spaceFound;

    // Event procedures.
    void Form_Initialize();
    void Form_Load();
    void Form_Activate();
    void Form_GotFocus();
    void Form_KeyDown(int KeyCode, int Shift);
    void cmdDone_Click();
    void cmdQuit_Click();

    void reject() override;

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void wireEvents();

    rurOvivoze &rurOvivoze_;
};
