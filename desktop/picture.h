#pragma once

#include <QPixmap>

class QString;
class QWidget;

// A picture of the game for the screen the control shows on: on a screen scaled by two or
// more, Qt takes the picture's "@2x" file, which QPixmap alone never does.
QPixmap sharpPicture(const QString &fileName, const QSize &size, const QWidget &control);
