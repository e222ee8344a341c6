#include "graphemelimit.h"

#include "text.h"

GraphemeLimit::GraphemeLimit(int maximum, QObject *parent)
    : QValidator(parent)
    , m_maximum(maximum)
{
}

QValidator::State GraphemeLimit::validate(QString &input, int &position) const
{
    if (Text::length(input) > m_maximum) {
        // The edit replaced the middle of the last accepted text: keep the unchanged head
        // and tail and cut the inserted part to the room that is left.
        qsizetype head = 0;
        const qsizetype shorter = std::min(input.size(), m_accepted.size());
        while (head < shorter && input.at(head) == m_accepted.at(head))
            ++head;
        qsizetype tail = 0;
        while (tail < shorter - head
               && input.at(input.size() - 1 - tail) == m_accepted.at(m_accepted.size() - 1 - tail))
            ++tail;
        const QString before = input.left(head);
        const QString after = input.right(tail);
        const QString inserted = input.mid(head, input.size() - head - tail);
        const qsizetype room = m_maximum - Text::length(before + after);
        const QString kept = Text::left(inserted, std::max<qsizetype>(room, 0));
        input = before + kept + after;
        position = int(before.size() + kept.size());
        if (Text::length(input) > m_maximum) {
            input = Text::left(input, m_maximum);
            position = int(input.size());
        }
    }
    m_accepted = input;
    return Acceptable;
}
