#include "picture.h"

#include <QIcon>
#include <QWidget>
#include <QtMath>

// Asked for a whole ratio, Qt hands back a picture of exactly the size given; between two
// ratios it may shrink the larger picture to a fraction of a pixel short.
QPixmap sharpPicture(const QString &fileName, const QSize &size, const QWidget &control)
{
    return QIcon(fileName).pixmap(size, qMax(1, qFloor(control.devicePixelRatioF())));
}
