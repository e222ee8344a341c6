#ifndef PALETTE_H
#define PALETTE_H

#include <QImage>
#include <QList>

// At most maxColours colours chosen by median cut, so that a small picture
// keeps the shades it actually uses instead of a fixed colour cube.
QList<QRgb> medianCutPalette(const QImage &image, int maxColours);

#endif
