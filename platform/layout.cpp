#include "layout.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QFont windowFont(Face face, qreal pointSize, bool bold)
{
#ifdef Q_OS_WIN
    QFont font(face == Face::Serif ? QStringLiteral(QUADREL_SERIF_FACE)
                                   : QStringLiteral(QUADREL_SANS_FACE));
#else
    QFont font(face == Face::Serif ? QStringLiteral(QUADREL_SERIF_STAND_IN)
                                   : QStringLiteral(QUADREL_SANS_STAND_IN));
#endif
    font.setStyleHint(face == Face::Serif ? QFont::Serif : QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

void centreOnScreen(QWidget &window)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}
