#pragma once

#include "dialogs.h"
#include "end.h"

#include <QList>
#include <QStringList>

#include <deque>

// Stands in for the real message and input boxes: records every box the game shows and
// answers from a script, in order. A box with no scripted answer gets OK / Yes / "" and is
// recorded as unexpected.
class ScriptedDialogs : public Dialogs
{
public:
    struct Shown
    {
        enum Kind { Message, Input } kind;
        QString prompt;
        QString title;
        Buttons buttons = OkOnly;
        QString defaultText;
    };

    ScriptedDialogs() { Dialogs::install(this); }
    ~ScriptedDialogs() override { Dialogs::install(nullptr); }

    void answerInputs(const QStringList &answers)
    {
        for (const QString &answer : answers)
            m_inputs.push_back(answer);
    }
    void answerMessages(const QList<int> &answers)
    {
        for (int answer : answers)
            m_messages.push_back(answer);
    }

    int messageBox(const QString &prompt, Buttons buttons, const QString &title) override
    {
        shown.append({ Shown::Message, prompt, title, buttons, QString() });
        if (m_messages.empty()) {
            ++unanswered;
            return buttons == YesNo ? Yes : Ok;
        }
        const int answer = m_messages.front();
        m_messages.pop_front();
        return answer;
    }

    QString inputBox(const QString &prompt, const QString &title,
                     const QString &defaultText) override
    {
        shown.append({ Shown::Input, prompt, title, OkOnly, defaultText });
        if (m_inputs.empty()) {
            ++unanswered;
            // Keeps the name loops from spinning for ever in a broken test.
            return QStringLiteral("unscripted");
        }
        const QString answer = m_inputs.front();
        m_inputs.pop_front();
        return answer;
    }

    QStringList prompts() const
    {
        QStringList result;
        for (const Shown &box : shown)
            result.append(box.prompt);
        return result;
    }

    QList<Shown> shown;
    int unanswered = 0;

private:
    std::deque<QString> m_inputs;
    std::deque<int> m_messages;
};

// Counts calls to the end of the program instead of ending the test process.
class EndCounter
{
public:
    EndCounter() { setEndHandler([this] { ++calls; }); }
    ~EndCounter() { setEndHandler({}); }
    int calls = 0;
};
