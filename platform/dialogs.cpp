#include "dialogs.h"

#include "keyboard.h"
#include "text.h"

#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>

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
    const Keyboard::Loan loan;
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
    const Keyboard::Loan loan;
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
