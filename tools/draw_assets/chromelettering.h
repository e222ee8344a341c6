#ifndef CHROMELETTERING_H
#define CHROMELETTERING_H

#include <QFont>
#include <QImage>
#include <QString>

// Polished-metal lettering with a dark drop shadow on the game's mid-grey,
// shared by the title picture and the word entry banner so both look alike.
struct ChromeLettering
{
    QString text;
    QFont font;          // family and style; the pixel size is fitted to the picture
    bool framed = false; // a black one-pixel frame drawn as part of the picture

    // The picture of this size (in pixels at scale 1) drawn at `scale` device pixels per
    // pixel, for screens scaled by that much.
    QImage draw(const QSize &size, int scale = 1) const;
};

#endif
