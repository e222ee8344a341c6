#ifndef ICOWRITER_H
#define ICOWRITER_H

#include <QImage>
#include <QString>

// Writes a one-image icon file in 256 colours. Qt's own icon writer only
// produces 32-bit images, and the executable's icon is a palettised one.
bool writeIndexedIcon(const QImage &image, const QString &fileName);

#endif
