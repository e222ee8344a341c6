#include "icowriter.h"

#include <QDataStream>
#include <QFile>

bool writeIndexedIcon(const QImage &image, const QString &fileName)
{
    if (image.format() != QImage::Format_Indexed8 || image.colorCount() > 256
        || image.width() > 255 || image.height() > 255)
        return false;

    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);

    const int width = image.width();
    const int height = image.height();
    const quint32 pixelRowBytes = (width + 3) & ~3;
    const quint32 maskRowBytes = ((width + 31) / 32) * 4;
    const quint32 paletteBytes = 256 * 4;
    const quint32 imageBytes = (pixelRowBytes + maskRowBytes) * height;
    const quint32 headerBytes = 40;

    // Icon directory with its single entry.
    out << quint16(0) << quint16(1) << quint16(1);
    out << quint8(width) << quint8(height)
        << quint8(0)                 // 0 stands for 256 colours
        << quint8(0)
        << quint16(1) << quint16(8)  // planes, bits per pixel
        << quint32(headerBytes + paletteBytes + imageBytes)
        << quint32(6 + 16);

    // The image is a bottom-up device-independent bitmap whose height counts
    // both the colour rows and the transparency mask rows.
    out << headerBytes << qint32(width) << qint32(2 * height)
        << quint16(1) << quint16(8)
        << quint32(0)                // uncompressed
        << imageBytes
        << qint32(0) << qint32(0)
        << quint32(0) << quint32(0); // all 256 palette entries used and important

    for (int i = 0; i < 256; ++i) {
        const QRgb colour = i < image.colorCount() ? image.color(i) : qRgb(0, 0, 0);
        out << quint8(qBlue(colour)) << quint8(qGreen(colour)) << quint8(qRed(colour)) << quint8(0);
    }

    for (int y = height - 1; y >= 0; --y) {
        out.writeRawData(reinterpret_cast<const char *>(image.constScanLine(y)), width);
        for (quint32 pad = width; pad < pixelRowBytes; ++pad)
            out << quint8(0);
    }
    // An all-clear mask: every pixel of the icon is opaque.
    for (quint32 i = 0; i < maskRowBytes * height; ++i)
        out << quint8(0);

    const bool written = out.status() == QDataStream::Ok;
    file.close();
    return written && file.error() == QFile::NoError;
}
