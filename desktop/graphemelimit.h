#pragma once

#include <QValidator>

// A maximum length for a QLineEdit counted in characters as players see them.
// QLineEdit::maxLength counts UTF-16 units and would split an emoji or a combining accent.
// Like maxLength, an insertion is cut to what still fits: typing into a full box does
// nothing, and a long paste keeps its first characters.
class GraphemeLimit : public QValidator
{
public:
    GraphemeLimit(int maximum, QObject *parent);

    State validate(QString &input, int &position) const override;

private:
    int m_maximum;
    mutable QString m_accepted;
};
