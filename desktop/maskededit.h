#pragma once

#include <QLineEdit>

// A password box that shows one star per character as players see it. Qt's password mode
// draws a star per UTF-16 unit, so an accent written as a combining mark or an emoji with a
// skin tone shows two to four. The box stays in password mode, which keeps the text off the
// clipboard and out of drag and drop; it draws its own stars, keeps the caret and the
// selection between characters, and tells assistive technology stars instead of the text.
class MaskedEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit MaskedEdit(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void keepBetweenCharacters(int oldPosition, int newPosition);
    int selectionAnchor() const;
    QString mask(int count) const;
    int positionAt(int x) const;
    QRect lineRect() const;

    int m_anchor = 0;
};
