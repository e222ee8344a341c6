// The dialog as built, and which Qt signal or event raises which event procedure.

#include "frmgetword.h"

#include "contrast.h"
#include "graphemelimit.h"
#include "keyboard.h"
#include "maskededit.h"
#include "picture.h"
#include "twips.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {

QFont boldFont(const QString &family, QFont::StyleHint hint, qreal pointSize)
{
    QFont result(family);
    result.setStyleHint(hint);
    result.setPointSizeF(pointSize);
    result.setBold(true);
    return result;
}

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

int shiftState(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
            | (modifiers & Qt::AltModifier ? 4 : 0);
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
    setFixedSize(7470 / 15, 1455 / 15);
    createControls();
    wireEvents();
    Form_Initialize();
    Form_Load();
}

void frmGetWord::showCentred()
{
    if (const QScreen *screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    Keyboard::showWithKeys(this);
}

void frmGetWord::createControls()
{
    Picture1 = new QLabel(this);
    Picture1->setGeometry(twips(0, 0, 7455, 855));
    Picture1->setPixmap(
            sharpPicture(QStringLiteral(":/assets/banner.bmp"), QSize(497, 57), *Picture1));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setAccessibleName(QStringLiteral("Word Entry Station"));
    Picture1->setAccessibleDescription(QStringLiteral("Banner"));
    Shape1 = shape(Picture1, twips(0, 0, 7455, 855));
    ShpBorder = shape(this, twips(0, 840, 7455, 615));

    LblWord = new QLabel(QStringLiteral("Enter your four-letter word here:"), this);
    LblWord->setGeometry(twips(120, 1020, 4740, 375));
    LblWord->setFont(boldFont(QStringLiteral("Liberation Sans"), QFont::SansSerif, 9.75));
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
    Text1->setFont(boldFont(QStringLiteral("Liberation Sans"), QFont::SansSerif, 12));
    Text1->setEchoMode(QLineEdit::Password);
    Text1->setStyleSheet(QStringLiteral("lineedit-password-character: 42")); // '*'
    Text1->setValidator(new GraphemeLimit(4, Text1));
    Text1->setAccessibleName(QStringLiteral("Secret word"));
    Text1->setAccessibleDescription(QStringLiteral("The four-character word to guess, hidden"));

    const QFont buttonFont = boldFont(QStringLiteral("Liberation Serif"), QFont::Serif, 12);
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

bool frmGetWord::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        Form_KeyDown(key->key(), shiftState(key->modifiers()));
        // Alt+D and Alt+Q are taken as access keys before this; Alt+X and the rest type nothing.
        if (watched == Text1 && Keyboard::isAltCharacter(*key))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool frmGetWord::event(QEvent *event)
{
    // Showing the dialog activates it; the window system may report the activation later,
    // or not at all without a window manager, so the prompt is refreshed on both.
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate)
        Form_Activate();
    else if (event->type() == QEvent::FocusIn)
        Form_GotFocus();
    return QDialog::event(event);
}

// Esc and the window manager's close both arrive here; neither may close the dialog.
void frmGetWord::reject() { }
