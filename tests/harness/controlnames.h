#pragma once

#include "frmgetword.h"
#include "rurovivoze.h"

#include <QApplication>
#include <QFontInfo>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QString>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <QtMath>

// The windows' controls by the names the game gives them, so that data tables can name
// them before a window exists; an array member is written "TxtLet1(2)".
inline QHash<QString, QObject *> boardControls(const rurOvivoze &window)
{
    QHash<QString, QObject *> controls{
        { QStringLiteral("Image1"), window.Image1 },
        { QStringLiteral("CmdTry"), window.CmdTry },
        { QStringLiteral("Line1"), window.Line1 },
        { QStringLiteral("LblLast"), window.LblLast },
        { QStringLiteral("LblResult"), window.LblResult },
        { QStringLiteral("Line2"), window.Line2 },
        { QStringLiteral("lblTime"), window.lblTime },
        { QStringLiteral("LblTimeTitle"), window.LblTimeTitle },
        { QStringLiteral("LblUsedWords"), window.LblUsedWords },
        { QStringLiteral("LstUsed"), window.LstUsed },
        { QStringLiteral("LblGuessTitle"), window.LblGuessTitle },
        { QStringLiteral("LblGuess"), window.LblGuess },
        { QStringLiteral("LblCheat"), window.LblCheat },
        { QStringLiteral("Command1"), window.Command1 },
        { QStringLiteral("Command2"), window.Command2 },
        { QStringLiteral("Label1"), window.Label1 },
        { QStringLiteral("Timer1"), window.Timer1 },
    };
    for (int i = 0; i < 4; ++i) {
        const QString index = QStringLiteral("(%1)").arg(i);
        controls.insert(QStringLiteral("TxtLet1") + index, window.TxtLet1[i]);
        controls.insert(QStringLiteral("LblUser1") + index, window.LblUser1[i]);
        controls.insert(QStringLiteral("LblLet1") + index, window.LblLet1[i]);
    }
    return controls;
}

inline QHash<QString, QObject *> wordDialogControls(const frmGetWord &dialog)
{
    return QHash<QString, QObject *>{
        { QStringLiteral("Picture1"), dialog.Picture1 },
        { QStringLiteral("Shape1"), dialog.Shape1 },
        { QStringLiteral("ShpBorder"), dialog.ShpBorder },
        { QStringLiteral("LblWord"), dialog.LblWord },
        { QStringLiteral("Text1"), dialog.Text1 },
        { QStringLiteral("cmdDone"), dialog.cmdDone },
        { QStringLiteral("cmdQuit"), dialog.cmdQuit },
    };
}

// Both windows are designed in twips: 15 to a pixel at 96 dpi.
inline QRect pixels(const QRect &twips)
{
    return QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15);
}

template<typename Widget = QWidget>
Widget *namedWidget(const QHash<QString, QObject *> &controls, const QString &name)
{
    return qobject_cast<Widget *>(controls.value(name));
}

// The font a control draws in, as found on the machine, plain but for `bold`.
inline bool hasFont(const QWidget &control, const QString &family, double pointSize, bool bold)
{
    const QFont font = control.font();
    [&] {
        QCOMPARE(QFontInfo(font).family(), family);
        QCOMPARE(font.pointSizeF(), pointSize);
        QCOMPARE(font.bold(), bold);
        QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
    }();
    return !QTest::currentTestFailed();
}

// A button's caption, access key marker aside, fits on one line inside its frame.
inline bool captionFits(const QPushButton &button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    const QRect inside =
            button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    const QFontMetrics metrics(button.font());
    const QString shown = QString(button.text()).remove(u'&');
    [&] {
        QVERIFY2(metrics.horizontalAdvance(shown) <= inside.width(), qPrintable(shown));
        QVERIFY2(metrics.height() <= inside.height(), qPrintable(shown));
    }();
    return !QTest::currentTestFailed();
}

// Rows for a tab-order test: Tab from each control of the ring reaches the next, and
// Shift+Tab from that one comes back.
inline void tabRows(const QStringList &ring)
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<bool>("backwards");
    QTest::addColumn<QString>("to");
    for (qsizetype i = 0; i < ring.size(); ++i) {
        const QString &next = ring.at((i + 1) % ring.size());
        QTest::addRow("Tab from %s", qPrintable(ring.at(i))) << ring.at(i) << false << next;
        QTest::addRow("Shift+Tab from %s", qPrintable(next)) << next << true << ring.at(i);
    }
}

// Where the focus goes when `from` has it and the player presses Tab, or Shift+Tab.
inline QWidget *focusAfterTab(QWidget *from, bool backwards)
{
    from->setFocus();
    if (QApplication::focusWidget() != from)
        return nullptr;
    if (backwards)
        QTest::keyClick(from, Qt::Key_Backtab, Qt::ShiftModifier);
    else
        QTest::keyClick(from, Qt::Key_Tab);
    return QApplication::focusWidget();
}

// A picture control shows its picture at its natural size and at the screen's resolution:
// scaled by two, the picture drawn at twice the size, not the small one blown up. Returns
// whether the control's pixels are the picture's (they are not when drawn scaled).
inline bool showsSharpPicture(const QLabel &control, const QSize &size, const QString &doubledFile)
{
    const QPixmap picture = control.pixmap();
    const qreal scale = control.devicePixelRatioF();
    [&] {
        QCOMPARE(picture.deviceIndependentSize(), QSizeF(size));
        QCOMPARE(control.size(), size);
        QCOMPARE(picture.devicePixelRatio(), qreal(qMin(qFloor(scale), 2))); // no @3x drawn
        if (scale == 2) {
            QImage doubled(doubledFile);
            doubled.setDevicePixelRatio(2);
            QCOMPARE(picture.toImage().convertToFormat(QImage::Format_RGB32),
                     doubled.convertToFormat(QImage::Format_RGB32));
        }
    }();
    return !QTest::currentTestFailed() && scale == picture.devicePixelRatio();
}

