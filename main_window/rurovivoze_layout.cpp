// The board as built: every control at its place, the menus, and which Qt signal raises which
// event procedure. The events the board takes itself (keys, focus, clicks) are handled beside
// the event procedures, in rurovivoze.cpp.

#include "rurovivoze.h"

#include "contrast.h"
#include "fixedframe.h"
#include "frmgetword.h"
#include "layout.h"
#include "picture.h"
#include "pictureplaces.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

namespace {

QFont serif(qreal pointSize, bool bold = false)
{
    return windowFont(Face::Serif, pointSize, bold);
}

// Qt has no "menu background" role of its own; the palette Qt gives menus is the closest.
QColor menuBackground()
{
    return QApplication::palette("QMenu").color(QPalette::Window);
}

// Stands in for the classic "inactive border" grey, a shade apart from the dialog face.
QColor inactiveBorder()
{
    return QApplication::palette().color(QPalette::Midlight);
}

QLabel *boardLabel(QWidget *parent, const QString &caption, const QRect &geometry,
                   const QFont &font, const QColor &background, const QString &description)
{
    auto *label = new QLabel(caption, parent);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText,
                     Contrast::readableInk(palette.color(QPalette::WindowText), background));
    label->setPalette(palette);
    label->setAccessibleDescription(description);
    return label;
}

// A one-pixel line with a pixel of room above and below: scaled by a fraction, the board
// can start between two device pixels, and a control one pixel high then draws nothing.
QFrame *line(QWidget *parent, int x1, int y, int x2)
{
    auto *frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::HLine | QFrame::Plain);
    frame->setLineWidth(1);
    frame->setGeometry(twips(x1, y - twipsPerPixel, x2 - x1, 3 * twipsPerPixel));
    return frame;
}

QPushButton *button(QWidget *parent, const QString &caption, const QRect &geometry)
{
    auto *push = new QPushButton(caption, parent);
    push->setGeometry(geometry);
    push->setFont(serif(12));
    push->setAutoDefault(false);
    return push;
}

} // namespace

rurOvivoze::rurOvivoze(QWidget *parent)
    : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Quadrel"));
    createControls();
    createMenus();
    wireEvents();

    // Fixed single border: the window keeps the size of its menu bar and client area.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    centreOnScreen(*this);
    offerFixedFrame(this);
}

rurOvivoze::~rurOvivoze() = default;

frmGetWord &rurOvivoze::getWordDialog()
{
    if (!m_getWord)
        m_getWord = std::make_unique<frmGetWord>(*this);
    return *m_getWord;
}

void rurOvivoze::createControls()
{
    auto *board = new QWidget(this);
    board->setFixedSize(twips(3585, 7470));
    setCentralWidget(board);

    const QColor menu = menuBackground();
    const QColor inactive = inactiveBorder();

    Image1 = new QLabel(board);
    const QRect title = PicturePlaces::title;
    Image1->setGeometry(title);
    Image1->setPixmap(sharpPicture(QStringLiteral(":/assets/title.bmp"), title.size(), *Image1));
    Image1->setAccessibleName(QStringLiteral("Quadrel"));
    Image1->setAccessibleDescription(QStringLiteral("Title picture"));

    for (int i = 0; i < wordLength; ++i) {
        const int left = 360 + 480 * i;
        const QString number = QString::number(i + 1);

        auto *box = new QLineEdit(board);
        box->setGeometry(twips(left, 1320, 375, 375));
        box->setFont(serif(12));
        box->setAlignment(Qt::AlignCenter);
        box->setAccessibleName(QStringLiteral("Letter ") + number);
        box->setAccessibleDescription(letterDescription(i));
        TxtLet1[i] = box;

        LblUser1[i] = boardLabel(board, QString(), twips(left, 1920, 375, 375), serif(12), menu,
                                 QStringLiteral("Letter %1 of the last guess").arg(number));
        LblLet1[i] = boardLabel(board, QString(), twips(left, 2400, 375, 375), serif(14.25), menu,
                                QStringLiteral("Mark for letter %1").arg(number));
    }

    CmdTry = button(board, QStringLiteral("Try!"), twips(2280, 1320, 975, 375));
    CmdTry->setAccessibleDescription(QStringLiteral("Try the guess"));
    Line1 = line(board, 360, 1800, 3240);
    LblLast = boardLabel(board, QStringLiteral("Guess:"), twips(2280, 1920, 975, 375), serif(12),
                         menu, QStringLiteral("Title of the last guess row"));
    LblResult = boardLabel(board, QStringLiteral("Result:"), twips(2280, 2400, 975, 375),
                           serif(12), menu, QStringLiteral("Title of the marks row"));
    Line2 = line(board, 360, 2880, 3240);
    lblTime = boardLabel(board, QStringLiteral("0.00"), twips(360, 3000, 1815, 375), serif(12),
                         inactive, QStringLiteral("Time"));
    lblTime->setAccessibleName(lblTime->text()); // told apart from the caption: tellTime()
    LblTimeTitle = boardLabel(board, QStringLiteral("Time:"), twips(2280, 3000, 975, 375),
                              serif(12), inactive, QStringLiteral("Title of the time"));
    LblUsedWords = boardLabel(board, QStringLiteral("Used Words:"), twips(120, 3480, 2295, 375),
                              serif(12), menu, QStringLiteral("Title of the used words list"));

    LstUsed = new QListWidget(board);
    LstUsed->setGeometry(twips(120, 3840, 2295, 1170));
    LstUsed->setFont(serif(12));
    LstUsed->setUniformItemSizes(true);
    QPalette listPalette = LstUsed->palette();
    listPalette.setColor(QPalette::Base, menu);
    listPalette.setColor(QPalette::Text,
                         Contrast::readableInk(listPalette.color(QPalette::Text), menu));
    LstUsed->setPalette(listPalette);
    LstUsed->setAccessibleName(QStringLiteral("Used words"));
    LstUsed->setAccessibleDescription(QStringLiteral("Wrong guesses with their marks, newest first"));

    LblGuessTitle = boardLabel(board, QStringLiteral(" Number of Guesses:"),
                               twips(2520, 3480, 975, 855), serif(9.75), menu,
                               QStringLiteral("Title of the number of guesses"));
    LblGuess = boardLabel(board, QString(), twips(2640, 4320, 735, 375), serif(9.75, true), menu,
                          QStringLiteral("Number of guesses"));

    // No border, caption or colour: a spot that shows nothing but still takes clicks.
    LblCheat = new QLabel(board);
    LblCheat->setGeometry(twips(2880, 4680, 255, 255));
    LblCheat->setFont(serif(8.25));
    LblCheat->setAccessibleDescription(QStringLiteral("Reveals the word"));

    Command1 = button(board, QStringLiteral("E&xit"), twips(2520, 4920, 975, 375));
    Command1->setAccessibleDescription(QStringLiteral("End the program"));
    Command2 = button(board, QStringLiteral("Press Ctrl+N to start a New Game"),
                      twips(120, 5400, 3375, 495));
    Command2->setAccessibleDescription(QStringLiteral("Start a new game"));
    Label1 = boardLabel(board, QStringLiteral("This Game:"), twips(120, 6000, 3375, 1335),
                        serif(12, true), menu, QStringLiteral("Who chooses and who guesses"));

    Timer1 = new QTimer(this);
    // Every millisecond and on time (a coarse timer may fire 5 % late): the hundredths shown
    // never lag the clock by more than a millisecond, and none is skipped.
    Timer1->setInterval(1);
    Timer1->setTimerType(Qt::PreciseTimer);

    QList<QWidget *> tabOrder(TxtLet1.begin(), TxtLet1.end());
    tabOrder << CmdTry << Command2 << LstUsed << Command1;
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void rurOvivoze::createMenus()
{
    MnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuNew = MnuFile->addAction(QStringLiteral("&New Game"));
    mnuNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    MnuSep = MnuFile->addSeparator();
    mnuExit = MnuFile->addAction(QStringLiteral("E&xit"));
    mnuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));

    MnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHow = MnuHelp->addAction(QStringLiteral("&How to Play Quadrel"));
    mnuHow->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    mnuAbout = MnuHelp->addAction(QStringLiteral("&About Quadrel"));
    mnuAbout->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
}

void rurOvivoze::wireEvents()
{
    connect(mnuNew, &QAction::triggered, this, &rurOvivoze::mnuNew_Click);
    connect(mnuExit, &QAction::triggered, this, &rurOvivoze::mnuExit_Click);
    connect(mnuHow, &QAction::triggered, this, &rurOvivoze::mnuHow_Click);
    connect(mnuAbout, &QAction::triggered, this, &rurOvivoze::mnuAbout_Click);
    connect(Command1, &QPushButton::clicked, this, &rurOvivoze::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &rurOvivoze::Command2_Click);
    connect(CmdTry, &QPushButton::clicked, this, &rurOvivoze::CmdTry_Click);
    connect(Timer1, &QTimer::timeout, this, &rurOvivoze::Timer1_Timer);
    for (int i = 0; i < wordLength; ++i) {
        connect(TxtLet1[i], &QLineEdit::textChanged, this, [this, i] { TxtLet1_Change(i); });
        TxtLet1[i]->installEventFilter(this); // KeyPress, GotFocus, keys the menus own, Enter
    }
    for (QWidget *widget : std::initializer_list<QWidget *>{ LstUsed, CmdTry, Command1, Command2 })
        widget->installEventFilter(this); // Enter
    LblCheat->installEventFilter(this);   // Click
}
