#include "dialogs.h"

#include "text.h"

#include <QApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace {

Dialogs *installed = nullptr;

// Qt makes No the escape button of a Yes/No box; here the question must be answered.
class AnswerRequired : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Close) {
            event->ignore();
            return true;
        }
        if (event->type() == QEvent::KeyPress
            && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape)
            return true;
        return QObject::eventFilter(watched, event);
    }
};

// The window a closed box is handing the keyboard back to, until the event loop is next idle.
QPointer<QWidget> returning;

// A box takes the keyboard while it is open; when it closes, the window that had it before
// gets it back. Window managers do that for their own reasons, and without one nobody does.
// It borrows from the active window, or else from the window a box that just closed was
// handing the keyboard back to (the name boxes asked one after the other over the board).
class KeyboardLoan
{
public:
    KeyboardLoan() : m_owner(QApplication::activeWindow())
    {
        if (!m_owner && returning && returning->isVisible())
            m_owner = returning;
        returning = nullptr;
    }

    // The keyboard goes back only once the caller has done what follows, and only if the
    // window is still shown and no other window of ours has it by then. A window the caller
    // hides next (the board, as the word entry shows) is never activated on the way, which
    // some window managers flag and others log.
    ~KeyboardLoan()
    {
        returning = m_owner;
        if (!m_owner)
            return;
        QTimer::singleShot(0, m_owner, [owner = m_owner] {
            if (returning != owner)
                return; // another box or window took the keyboard meanwhile
            returning = nullptr;
            // The closed box itself may still count as active until the window system says so.
            const QWidget *active = QApplication::activeWindow();
            const bool takenElsewhere = active && active != owner && active->isVisible();
            if (owner->isVisible() && !takenElsewhere)
                owner->activateWindow();
        });
    }

    // The box stands over the window it borrowed the keyboard from, so that the window
    // manager places it there. With none shown (the name boxes before the board is) it is a
    // window of its own: as a dialog without a parent Qt would name its hidden helper window
    // as the parent instead, which window managers reject.
    void place(QDialog &box) const
    {
        if (!m_owner)
            box.setWindowFlags((box.windowFlags() & ~Qt::WindowType_Mask) | Qt::Window);
    }

    QWidget *owner() const { return m_owner; }

private:
    QPointer<QWidget> m_owner;
};

} // namespace

Dialogs &Dialogs::current()
{
    static QtDialogs real;
    return installed ? *installed : real;
}

void Dialogs::install(Dialogs *dialogs)
{
    installed = dialogs;
}

void Dialogs::callOffHandBack()
{
    returning = nullptr;
}

int messageBox(const QString &prompt, Dialogs::Buttons buttons, const QString &title)
{
    return Dialogs::current().messageBox(prompt, buttons, title);
}

QString inputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    return Dialogs::current().inputBox(prompt, title, defaultText);
}

int QtDialogs::messageBox(const QString &prompt, Buttons buttons, const QString &title)
{
    const KeyboardLoan loan;
    QMessageBox box(loan.owner());
    loan.place(box);
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(Text::shownLineBreaks(prompt));
    if (buttons == YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        AnswerRequired answerRequired;
        box.installEventFilter(&answerRequired);
        return box.exec() == QMessageBox::Yes ? Yes : No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Ok;
}

QString QtDialogs::inputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    const KeyboardLoan loan;
    QInputDialog box(loan.owner());
    loan.place(box);
    box.setWindowTitle(title);
    box.setLabelText(Text::shownLineBreaks(prompt));
    box.setTextValue(defaultText);
    // QInputDialog has no switch for its label's format; its only label is the prompt.
    for (QLabel *label : box.findChildren<QLabel *>())
        label->setTextFormat(Qt::PlainText);
    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}
