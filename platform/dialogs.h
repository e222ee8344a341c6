#pragma once

#include <QString>

// Modal message and input boxes, as the game asks for them. Every text is shown as plain
// text: players' names and words never turn into markup or access keys.
class Dialogs
{
public:
    enum Buttons { OkOnly, YesNo };
    enum Answer { Ok = 1, Yes = 6, No = 7 };

    static inline const QString applicationTitle = QStringLiteral("Quadrel");

    virtual ~Dialogs() = default;

    // A line break in the prompt is "\r\n".
    virtual int messageBox(const QString &prompt, Buttons buttons, const QString &title) = 0;

    // The field's text on OK; an empty text on Cancel or when the box is closed.
    virtual QString inputBox(const QString &prompt, const QString &title,
                             const QString &defaultText) = 0;

    // The answerer the game uses: the real boxes, unless a test has put its own in place.
    static Dialogs &current();
    static void install(Dialogs *dialogs);
};

int messageBox(const QString &prompt, Dialogs::Buttons buttons = Dialogs::OkOnly,
               const QString &title = Dialogs::applicationTitle);
QString inputBox(const QString &prompt, const QString &title, const QString &defaultText);

class QtDialogs : public Dialogs
{
public:
    int messageBox(const QString &prompt, Buttons buttons, const QString &title) override;
    QString inputBox(const QString &prompt, const QString &title,
                     const QString &defaultText) override;
};
