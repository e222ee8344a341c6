#include "maskededit.h"

#include "text.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <vector>

namespace {

// Qt's own margins around a line edit's text, inside the style's contents rectangle.
constexpr int horizontalMargin = 2;

// Offsets in UTF-16 units between characters, from 0 to the text's size.
std::vector<int> boundaries(const QString &text)
{
    std::vector<int> offsets{ 0 };
    for (const QString &character : Text::graphemes(text))
        offsets.push_back(offsets.back() + int(character.size()));
    return offsets;
}

// How many whole characters lie before a position.
int charactersBefore(const std::vector<int> &offsets, int position)
{
    return int(std::upper_bound(offsets.begin(), offsets.end(), position) - offsets.begin()) - 1;
}

QString stars(const QString &text)
{
    return QString(Text::length(text), u'*');
}

// Qt's line edit tells assistive technology every piece of text typed or removed as it is,
// password mode or not. Those of a masked edit are passed on as stars.
QAccessible::UpdateHandler previousHandler = nullptr;
void tellStars(QAccessibleEvent *event);

void passOn(QAccessibleEvent *event)
{
    // Qt delivers to the platform's bridge only while no handler is installed.
    QAccessible::installUpdateHandler(previousHandler);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(tellStars);
}

void tellStars(QAccessibleEvent *event)
{
    QObject *edit = qobject_cast<MaskedEdit *>(event->object());
    if (!edit) {
        passOn(event);
        return;
    }
    switch (event->type()) {
    case QAccessible::TextInserted: {
        const auto *typed = static_cast<QAccessibleTextInsertEvent *>(event);
        QAccessibleTextInsertEvent masked(edit, typed->changePosition(),
                                          stars(typed->textInserted()));
        passOn(&masked);
        break;
    }
    case QAccessible::TextRemoved: {
        const auto *removed = static_cast<QAccessibleTextRemoveEvent *>(event);
        QAccessibleTextRemoveEvent masked(edit, removed->changePosition(),
                                          stars(removed->textRemoved()));
        passOn(&masked);
        break;
    }
    case QAccessible::TextUpdated: {
        const auto *updated = static_cast<QAccessibleTextUpdateEvent *>(event);
        QAccessibleTextUpdateEvent masked(edit, updated->changePosition(),
                                          stars(updated->textRemoved()),
                                          stars(updated->textInserted()));
        passOn(&masked);
        break;
    }
    default:
        passOn(event);
    }
}

} // namespace

MaskedEdit::MaskedEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setEchoMode(QLineEdit::Password);
    static const bool handlerInstalled = [] {
        previousHandler = QAccessible::installUpdateHandler(tellStars);
        return true;
    }();
    Q_UNUSED(handlerInstalled);
    connect(this, &QLineEdit::cursorPositionChanged, this, &MaskedEdit::keepBetweenCharacters);
    // Qt repaints only around its own caret and selection, which sit a star per unit along.
    connect(this, &QLineEdit::selectionChanged, this, qOverload<>(&QWidget::update));
}

// Password mode moves the caret one UTF-16 unit at a time; a caret inside a character moves
// on to its edge in the direction it was going, keeping the selection's other end.
void MaskedEdit::keepBetweenCharacters(int oldPosition, int newPosition)
{
    update();
    const std::vector<int> offsets = boundaries(text());
    if (std::binary_search(offsets.begin(), offsets.end(), newPosition))
        return;
    const auto after = std::upper_bound(offsets.begin(), offsets.end(), newPosition);
    const int edge = newPosition > oldPosition ? *after : *(after - 1);
    if (hasSelectedText()) {
        const int anchor = selectionAnchor();
        setSelection(anchor, edge - anchor);
    } else {
        setCursorPosition(edge);
    }
}

// The end of the selection that the caret is not at.
int MaskedEdit::selectionAnchor() const
{
    if (!hasSelectedText())
        return cursorPosition();
    return cursorPosition() == selectionStart() ? selectionEnd() : selectionStart();
}

QString MaskedEdit::mask(int count) const
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    return QString(count, QChar(style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, &panel,
                                                   this)));
}

QRect MaskedEdit::lineRect() const
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this)
                                   .marginsRemoved(textMargins());
    const int height = fontMetrics().height();
    return { contents.x() + horizontalMargin, contents.y() + (contents.height() - height + 1) / 2,
             contents.width() - 2 * horizontalMargin, height };
}

void MaskedEdit::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);

    const QRect line = lineRect();
    painter.setClipRect(style()->subElementRect(QStyle::SE_LineEditContents, &panel, this));
    const std::vector<int> offsets = boundaries(text());
    const QString shown = mask(int(offsets.size()) - 1);
    const QFontMetrics metrics = fontMetrics();
    const auto xAfter = [&](int count) {
        return line.x() + metrics.horizontalAdvance(shown.left(count));
    };
    const int baseline = line.y() + metrics.ascent();
    const QPalette::ColorGroup group = !isEnabled() ? QPalette::Disabled
            : isActiveWindow()                     ? QPalette::Active
                                                   : QPalette::Inactive;

    painter.setPen(palette().color(group, QPalette::Text));
    painter.drawText(line.x(), baseline, shown);
    if (hasSelectedText()) {
        const int from = charactersBefore(offsets, selectionStart());
        const int to = charactersBefore(offsets, selectionEnd());
        const QRect selected(xAfter(from), line.y(), xAfter(to) - xAfter(from), line.height());
        painter.fillRect(selected, palette().brush(group, QPalette::Highlight));
        painter.setPen(palette().color(group, QPalette::HighlightedText));
        painter.drawText(selected.x(), baseline, shown.mid(from, to - from));
    }
    if (hasFocus() && !isReadOnly()) {
        const int x = xAfter(charactersBefore(offsets, cursorPosition()));
        const int width = style()->pixelMetric(QStyle::PM_TextCursorWidth, &panel, this);
        painter.fillRect(x, line.y(), std::max(width, 1), line.height(),
                         palette().brush(group, QPalette::Text));
    }
}

// Backspace and Delete take a whole character, as one star disappears.
void MaskedEdit::keyPressEvent(QKeyEvent *event)
{
    if (!hasSelectedText() && !isReadOnly()) {
        const std::vector<int> offsets = boundaries(text());
        const int at = charactersBefore(offsets, cursorPosition());
        const int last = int(offsets.size()) - 1;
        if (event->matches(QKeySequence::Delete) && at < last)
            setSelection(offsets[at], offsets[at + 1] - offsets[at]);
        else if (event->key() == Qt::Key_Backspace && event->modifiers() == Qt::NoModifier
                 && at > 0)
            setSelection(offsets[at], offsets[at - 1] - offsets[at]);
    }
    QLineEdit::keyPressEvent(event);
}

// The nearest edge between two stars.
int MaskedEdit::positionAt(int x) const
{
    const std::vector<int> offsets = boundaries(text());
    const QRect line = lineRect();
    const QString shown = mask(int(offsets.size()) - 1);
    const QFontMetrics metrics = fontMetrics();
    int nearest = 0;
    int nearestDistance = std::abs(line.x() - x);
    for (int count = 1; count <= shown.size(); ++count) {
        const int distance = std::abs(line.x() + metrics.horizontalAdvance(shown.left(count)) - x);
        if (distance < nearestDistance) {
            nearest = count;
            nearestDistance = distance;
        }
    }
    return offsets[nearest];
}

void MaskedEdit::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QLineEdit::mousePressEvent(event);
        return;
    }
    const int position = positionAt(event->position().toPoint().x());
    if (event->modifiers() & Qt::ShiftModifier) {
        m_anchor = selectionAnchor();
        setSelection(m_anchor, position - m_anchor);
    } else {
        deselect();
        setCursorPosition(position);
        m_anchor = position;
    }
}

void MaskedEdit::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton)) {
        QLineEdit::mouseMoveEvent(event);
        return;
    }
    const int position = positionAt(event->position().toPoint().x());
    setSelection(m_anchor, position - m_anchor);
}

void MaskedEdit::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        selectAll();
    else
        QLineEdit::mouseDoubleClickEvent(event);
}
