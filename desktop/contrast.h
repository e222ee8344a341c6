#pragma once

#include <QColor>

// Text stays readable whatever the theme: a fixed background keeps the theme's text colour
// only where the two differ enough, by the usual luminance contrast ratio (1 to 21).
namespace Contrast {

qreal ratio(const QColor &a, const QColor &b);

// The theme's ink if it reads at 4.5:1 or better on the background, else black or white,
// whichever reads better.
QColor readableInk(const QColor &ink, const QColor &background);

} // namespace Contrast
