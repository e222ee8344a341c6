#include "eyeicon.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSvgGenerator>
#include <QtMath>

#include <cmath>

namespace {

// Drawing units: the icon is laid out on a 256 x 256 grid and scaled.
constexpr qreal grid = 256.0;
const QPointF irisCentre(128, 134);
constexpr qreal irisRadius = 54;
constexpr qreal pupilRadius = 20;

QPainterPath eyeOpening()
{
    QPainterPath path;
    path.moveTo(14, 140);
    path.cubicTo(58, 62, 192, 52, 244, 130);
    path.cubicTo(196, 200, 66, 214, 14, 140);
    path.closeSubpath();
    return path;
}

// The skin covers the whole square, or all of it but a hole when one is given.
void drawSkin(QPainter &painter, const QPainterPath &hole = {})
{
    QRadialGradient skin(QPointF(110, 110), 190, QPointF(96, 70));
    skin.setColorAt(0.0, QColor(178, 176, 174));
    skin.setColorAt(0.6, QColor(142, 140, 140));
    skin.setColorAt(1.0, QColor(96, 95, 98));
    if (hole.isEmpty()) {
        painter.fillRect(QRectF(0, 0, grid, grid), skin);
    } else {
        QPainterPath square;
        square.addRect(QRectF(0, 0, grid, grid));
        painter.fillPath(square.subtracted(hole), skin);
    }

    // Brow: thick over the inner corner, tapering towards the temple.
    QPainterPath brow;
    brow.moveTo(-4, 58);
    brow.cubicTo(60, 6, 170, -2, 262, 26);
    brow.cubicTo(180, 18, 80, 30, -4, 84);
    brow.closeSubpath();
    painter.fillPath(brow, QColor(58, 54, 56));

    // Crease of the upper lid, echoing the opening's curve.
    QPainterPath crease;
    crease.moveTo(20, 118);
    crease.cubicTo(66, 48, 190, 38, 240, 104);
    painter.strokePath(crease, QPen(QColor(88, 86, 88), 7, Qt::SolidLine, Qt::RoundCap));

    // Shade under the eye.
    QPainterPath under;
    under.moveTo(26, 160);
    under.cubicTo(80, 218, 190, 214, 236, 146);
    painter.strokePath(under, QPen(QColor(112, 110, 112), 10, Qt::SolidLine, Qt::RoundCap));
}

void drawEyeball(QPainter &painter)
{
    const QPainterPath opening = eyeOpening();
    painter.save();
    painter.setClipPath(opening);

    QRadialGradient white(QPointF(128, 150), 120);
    white.setColorAt(0.0, QColor(250, 250, 246));
    white.setColorAt(0.7, QColor(222, 220, 216));
    white.setColorAt(1.0, QColor(168, 164, 162));
    painter.fillRect(opening.boundingRect(), white);

    QRadialGradient iris(irisCentre, irisRadius);
    iris.setColorAt(0.00, QColor(120, 255, 60));
    iris.setColorAt(0.45, QColor(60, 230, 40));
    iris.setColorAt(0.80, QColor(20, 170, 30));
    iris.setColorAt(0.93, QColor(10, 110, 20));
    iris.setColorAt(1.00, QColor(6, 52, 12));
    painter.setPen(Qt::NoPen);
    painter.setBrush(iris);
    painter.drawEllipse(irisCentre, irisRadius, irisRadius);

    // Radial fibres of the iris, alternately light and dark.
    for (int i = 0; i < 36; ++i) {
        const qreal angle = i * 2 * M_PI / 36;
        const QPointF direction(qCos(angle), qSin(angle));
        const QColor fibre = (i % 2) ? QColor(200, 255, 140, 110) : QColor(0, 90, 20, 110);
        painter.setPen(QPen(fibre, 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(irisCentre + direction * (pupilRadius + 4),
                         irisCentre + direction * (irisRadius - 8));
    }

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(8, 8, 10));
    painter.drawEllipse(irisCentre, pupilRadius, pupilRadius);

    // The upper lid throws a shadow across the top of the eyeball.
    QLinearGradient lidShadow(QPointF(0, 70), QPointF(0, 124));
    lidShadow.setColorAt(0.0, QColor(20, 20, 24, 170));
    lidShadow.setColorAt(1.0, QColor(20, 20, 24, 0));
    painter.fillRect(opening.boundingRect(), lidShadow);

    // Window reflections.
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawEllipse(QPointF(108, 116), 13, 11);
    painter.setBrush(QColor(255, 255, 255, 150));
    painter.drawEllipse(QPointF(150, 156), 6, 5);
    painter.restore();
}

// A lash is a tapered, curved sliver: wide at the lid, pointed at the tip.
QPainterPath lash(const QPointF &root, const QPointF &tip, const QPointF &bend, qreal width)
{
    const QPointF along = tip - root;
    const qreal length = std::hypot(along.x(), along.y());
    const QPointF across = QPointF(-along.y(), along.x()) * (width / 2 / length);
    QPainterPath path;
    path.moveTo(root - across);
    path.quadTo(bend - across * 0.5, tip);
    path.quadTo(bend + across * 0.5, root + across);
    path.closeSubpath();
    return path;
}

void drawLids(QPainter &painter, bool small)
{
    const QColor lashColour(22, 20, 22);

    // Lash line along the upper lid.
    QPainterPath upper;
    upper.moveTo(14, 140);
    upper.cubicTo(58, 62, 192, 52, 244, 130);
    painter.strokePath(upper, QPen(lashColour, small ? 13 : 9, Qt::SolidLine, Qt::RoundCap));

    // Lashes sweep up and outwards, longest where the lid is highest. A small
    // icon gets fewer, bolder ones so that they do not blur into a grey band.
    const int count = small ? 7 : 17;
    const qreal width = small ? 11 : 6;
    for (int i = 1; i <= count; ++i) {
        const qreal t = 0.08 + 0.86 * (i - 0.5) / count;
        const QPointF root = upper.pointAtPercent(t);
        const qreal outwards = (t - 0.45) * 2; // -1 at the inner corner, +1 at the outer
        const qreal length = (small ? 30 : 26) + 10 * (1 - outwards * outwards);
        const QPointF tip = root + QPointF(outwards * length * 0.9, -length);
        const QPointF bend = root + QPointF(outwards * length * 0.2, -length * 0.7);
        painter.fillPath(lash(root, tip, bend, width), lashColour);
    }

    QPainterPath lower;
    lower.moveTo(14, 140);
    lower.cubicTo(66, 214, 196, 200, 244, 130);
    painter.strokePath(lower, QPen(QColor(82, 76, 78), 5, Qt::SolidLine, Qt::RoundCap));
}

void drawEye(QPainter &painter, bool small)
{
    painter.setRenderHint(QPainter::Antialiasing);
    drawSkin(painter);
    drawEyeball(painter);
    drawLids(painter, small);
}

} // namespace

QImage drawEyeIcon(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.scale(size / grid, size / grid);
    drawEye(painter, size < 64);
    return image;
}

bool writeEyeSvg(const QString &fileName)
{
    QSvgGenerator svg;
    svg.setFileName(fileName);
    svg.setSize(QSize(int(grid), int(grid)));
    svg.setViewBox(QRectF(0, 0, grid, grid));
    svg.setTitle(QStringLiteral("Quadrel"));
    svg.setDescription(QStringLiteral("An eye with a bright green iris on grey skin"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    // The SVG writer drops clip paths, so the eyeball goes first, unclipped, and the skin
    // hides what spills over, through a hole cut to the opening.
    painter.setRenderHint(QPainter::Antialiasing);
    drawEyeball(painter);
    drawSkin(painter, eyeOpening());
    drawLids(painter, false);
    return painter.end();
}
