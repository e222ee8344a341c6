// The dialog as built, and which Qt signal raises which event procedure. The events it takes
// itself (its own key handler, showing, focus, Esc) are handled in frmgetword.cpp.

#include "frmgetword.h"

#include "contrast.h"
#include "graphemelimit.h"
#include "keyboard.h"
#include "layout.h"
#include "maskededit.h"
#include "picture.h"
#include "pictureplaces.h"
#include "wordlength.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// An unfilled one-pixel rectangle in the window-text colour; what lies beneath shows through.
QFrame *shape(QWidget *parent, const QRect &geometry)
{
    auto *frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setLineWidth(1);
    frame->setGeometry(geometry);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    return frame;
}

} // namespace

// A window of its own, not a dialog over the board: the board hides as soon as it shows. As
// a dialog without a parent Qt would name its hidden helper window as the parent, which
// window managers reject.
frmGetWord::frmGetWord(rurOvivoze &mainWindow)
    : QDialog(nullptr, Qt::Window | Qt::FramelessWindowHint)
    , rurOvivoze_(mainWindow)
{
    setWindowTitle(QStringLiteral("Quadrel"));
    setFixedSize(twips(7470, 1455));
    createControls();
    wireEvents();
    Form_Initialize();
    Form_Load();
}

void frmGetWord::showCentred()
{
    centreOnScreen(*this);
    Keyboard::showWithKeys(this);
}

void frmGetWord::createControls()
{
    Picture1 = new QLabel(this);
    const QRect banner = PicturePlaces::banner;
    Picture1->setGeometry(banner);
    Picture1->setPixmap(
            sharpPicture(QStringLiteral(":/assets/banner.bmp"), banner.size(), *Picture1));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setAccessibleName(QStringLiteral("Word Entry Station"));
    Picture1->setAccessibleDescription(QStringLiteral("Banner"));
    Shape1 = shape(Picture1, banner);
    ShpBorder = shape(this, twips(0, 840, 7455, 615));

    LblWord = new QLabel(QStringLiteral("Enter your four-letter word here:"), this);
    LblWord->setGeometry(twips(120, 1020, 4740, 375));
    LblWord->setFont(windowFont(Face::Sans, 9.75, true));
    LblWord->setTextFormat(Qt::PlainText);
    LblWord->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LblWord->setAutoFillBackground(true);
    // The grey stays whatever the theme; a dark theme's light text would not read on it.
    QPalette grey = LblWord->palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    grey.setColor(QPalette::WindowText, Contrast::readableInk(grey.color(QPalette::WindowText),
                                                              grey.color(QPalette::Window)));
    LblWord->setPalette(grey);
    LblWord->setAccessibleDescription(QStringLiteral("Who enters the word"));

    Text1 = new MaskedEdit(this); // one star per character, not per UTF-16 unit
    Text1->setGeometry(twips(4920, 945, 600, 405));
    Text1->setFont(windowFont(Face::Sans, 12, true));
    Text1->setEchoMode(QLineEdit::Password);
    Text1->setStyleSheet(QStringLiteral("lineedit-password-character: 42")); // '*'
    Text1->setValidator(new GraphemeLimit(wordLength, Text1));
    Text1->setAccessibleName(QStringLiteral("Secret word"));
    Text1->setAccessibleDescription(QStringLiteral("The four-character word to guess, hidden"));

    const QFont buttonFont = windowFont(Face::Serif, 12, true);
    cmdDone = new QPushButton(QStringLiteral("&Done"), this);
    cmdDone->setGeometry(twips(5610, 960, 855, 375));
    cmdDone->setFont(buttonFont);
    cmdDone->setDefault(true);
    cmdQuit = new QPushButton(QStringLiteral("&Quit"), this);
    cmdQuit->setGeometry(twips(6555, 960, 855, 375));
    cmdQuit->setFont(buttonFont);

    setTabOrder(Text1, cmdDone);
    setTabOrder(cmdDone, cmdQuit);
}

void frmGetWord::wireEvents()
{
    connect(cmdDone, &QPushButton::clicked, this, &frmGetWord::cmdDone_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &frmGetWord::cmdQuit_Click);
    // Key preview: the dialog sees every key before the focused control does.
    for (QWidget *control : std::initializer_list<QWidget *>{ Text1, cmdDone, cmdQuit })
        control->installEventFilter(this);
}
