#include "contrast.h"

#include <QtMath>

#include <algorithm>

namespace {

qreal linear(qreal channel)
{
    return channel <= 0.04045 ? channel / 12.92 : qPow((channel + 0.055) / 1.055, 2.4);
}

qreal luminance(const QColor &colour)
{
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
            + 0.0722 * linear(colour.blueF());
}

} // namespace

qreal Contrast::ratio(const QColor &a, const QColor &b)
{
    const qreal first = luminance(a);
    const qreal second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor Contrast::readableInk(const QColor &ink, const QColor &background)
{
    if (ratio(ink, background) >= 4.5)
        return ink;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return ratio(black, background) >= ratio(white, background) ? black : white;
}
