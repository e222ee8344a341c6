#pragma once

#include "frmgetword.h"
#include "rurovivoze.h"

#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QString>
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

template<typename Widget = QWidget>
Widget *namedWidget(const QHash<QString, QObject *> &controls, const QString &name)
{
    return qobject_cast<Widget *>(controls.value(name));
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

