#include "chromelettering.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor background(128, 128, 128);
const QPointF shadowOffset(2.5, 2.5);

QPainterPath textPath(const QString &text, QFont font, int pixelSize)
{
    font.setPixelSize(pixelSize);
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path;
}

struct PlacedText
{
    QPainterPath path;
    qreal baseline = 0;
};

// The largest lettering (shadow included) that leaves a margin all round.
PlacedText fittedText(const ChromeLettering &lettering, const QSize &size)
{
    const QRectF room = QRectF(QPointF(0, 0), size).adjusted(5, 4, -5, -4);
    for (int pixelSize = size.height(); pixelSize > 4; --pixelSize) {
        const QPainterPath path = textPath(lettering.text, lettering.font, pixelSize);
        const QRectF bounds = path.boundingRect().adjusted(0, 0, shadowOffset.x(), shadowOffset.y());
        if (bounds.width() <= room.width() && bounds.height() <= room.height()) {
            const QPointF shift = room.center() - bounds.center();
            return {path.translated(shift), shift.y()};
        }
    }
    return {};
}

// A few box-blur passes approximate a Gaussian, enough to soften the shadow.
QImage blurred(const QImage &source, int radius, int passes)
{
    QImage image = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = image.width();
    const int h = image.height();
    QImage scratch(image.size(), image.format());
    auto pass = [&](const QImage &from, QImage &to, bool horizontal) {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                int sum[4] = {0, 0, 0, 0};
                int count = 0;
                for (int d = -radius; d <= radius; ++d) {
                    const int sx = horizontal ? x + d : x;
                    const int sy = horizontal ? y : y + d;
                    if (sx < 0 || sy < 0 || sx >= w || sy >= h)
                        continue;
                    const QRgb p = reinterpret_cast<const QRgb *>(from.constScanLine(sy))[sx];
                    sum[0] += qAlpha(p);
                    sum[1] += qRed(p);
                    sum[2] += qGreen(p);
                    sum[3] += qBlue(p);
                    ++count;
                }
                reinterpret_cast<QRgb *>(to.scanLine(y))[x] =
                    qRgba(sum[1] / count, sum[2] / count, sum[3] / count, sum[0] / count);
            }
        }
    };
    for (int i = 0; i < passes; ++i) {
        pass(image, scratch, true);
        pass(scratch, image, false);
    }
    return image;
}

// Chrome reads as metal because of its sharp "horizon": a bright sky that
// falls off to a dark band across the middle, then a warmer floor below.
QLinearGradient chromeGradient(const QRectF &bounds)
{
    QLinearGradient gradient(bounds.topLeft(), bounds.bottomLeft());
    gradient.setColorAt(0.00, QColor(255, 255, 255));
    gradient.setColorAt(0.30, QColor(226, 230, 238));
    gradient.setColorAt(0.50, QColor(150, 156, 168));
    gradient.setColorAt(0.53, QColor(58, 60, 66));
    gradient.setColorAt(0.62, QColor(96, 96, 100));
    gradient.setColorAt(0.85, QColor(214, 212, 208));
    gradient.setColorAt(1.00, QColor(250, 250, 248));
    return gradient;
}

} // namespace

QImage ChromeLettering::draw(const QSize &size, int scale) const
{
    QImage image(size * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(background);
    const PlacedText placed = fittedText(*this, size);
    const QPainterPath &path = placed.path;

    QImage shadow(size * scale, QImage::Format_ARGB32_Premultiplied);
    shadow.setDevicePixelRatio(scale);
    shadow.fill(Qt::transparent);
    {
        QPainter painter(&shadow);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(path.translated(shadowOffset), QColor(16, 16, 20, 230));
    }

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawImage(0, 0, blurred(shadow, scale, 2));

    // The gradient stops at the baseline so that descenders do not pull the
    // horizon below the middle of the letters.
    QRectF body = path.boundingRect();
    body.setBottom(placed.baseline);
    painter.fillPath(path, chromeGradient(body));

    // A thin light rim on the upper-left edges and a dark rim overall give
    // the letters a bevelled, polished edge.
    painter.save();
    painter.setClipPath(path);
    painter.strokePath(path.translated(1.0, 1.0), QPen(QColor(255, 255, 255, 150), 1.2));
    painter.restore();
    painter.strokePath(path, QPen(QColor(36, 38, 44), 0.9));

    // The frame is the outermost ring of pixels, as wide as one pixel at scale 1.
    if (framed) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        const int w = size.width();
        const int h = size.height();
        for (const QRect &edge : {QRect(0, 0, w, 1), QRect(0, h - 1, w, 1), QRect(0, 0, 1, h),
                                  QRect(w - 1, 0, 1, h)})
            painter.fillRect(edge, Qt::black);
    }
    return image;
}
