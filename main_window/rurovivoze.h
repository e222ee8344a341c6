#pragma once

#include "gamestate.h"
#include "wordlength.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QTimer;
class frmGetWord;

// The game board. Its fields and controls are public: the word entry dialog reads and
// writes them by name, as the two windows were designed to share them.
class rurOvivoze : public QMainWindow, public GameState
{
    Q_OBJECT

public:
    explicit rurOvivoze(QWidget *parent = nullptr);
    ~rurOvivoze() override;

    // Created the first time it is shown, then only hidden and shown again.
    frmGetWord &getWordDialog();

    QLabel *Image1;
    std::array<QLineEdit *, wordLength> TxtLet1;
    QPushButton *CmdTry;
    QFrame *Line1;
    std::array<QLabel *, wordLength> LblUser1;
    QLabel *LblLast;
    std::array<QLabel *, wordLength> LblLet1;
    QLabel *LblResult;
    QFrame *Line2;
    QLabel *lblTime;
    QLabel *LblTimeTitle;
    QLabel *LblUsedWords;
    QListWidget *LstUsed;
    QLabel *LblGuessTitle;
    QLabel *LblGuess;
    QLabel *LblCheat;
    QPushButton *Command1;
    QPushButton *Command2;
    QLabel *Label1;
    QTimer *Timer1;

    QMenu *MnuFile;
    QAction *mnuNew;
    QAction *MnuSep;
    QAction *mnuExit;
    QMenu *MnuHelp;
    QAction *mnuHow;
    QAction *mnuAbout;

    // Event procedures, in the order a game runs through them.
    void Form_Load();
    void mnuNew_Click();
    void Command2_Click();
    void TxtLet1_KeyPress(int Index, int KeyAscii);
    void TxtLet1_Change(int Index);
    void TxtLet1_GotFocus(int Index);
    void CmdTry_Click();
    void Timer1_Timer();
    void mnuHow_Click();
    void mnuAbout_Click();
    void LblCheat_Click();
    void Command1_Click();
    void mnuExit_Click();
    void Form_Unload(int &Cancel);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createMenus();
    void wireEvents();
    int letterBoxIndex(const QObject *object) const;
    static QString letterDescription(int Index);
    QString spokenResult() const;
    void tellTime();

    std::unique_ptr<frmGetWord> m_getWord;
    qint64 m_toldSecond = 0;
};
