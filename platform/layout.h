#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

class QWidget;

// What both windows are built with: their unit of length, their fonts, their place on screen.

// Both windows are laid out in twips: 15 make one device-independent pixel.
inline constexpr int twipsPerPixel = 15;

constexpr QRect twips(int left, int top, int width, int height)
{
    return QRect(left / twipsPerPixel, top / twipsPerPixel, width / twipsPerPixel,
                 height / twipsPerPixel);
}

constexpr QSize twips(int width, int height)
{
    return twips(0, 0, width, height).size();
}

// The windows were drawn in Windows' serif and sans faces; elsewhere fonts with their metrics
// stand in (QUADREL_SERIF_FACE and the others, the top CMakeLists.txt), and the style hint
// finds a like font where those are missing.
enum class Face { Serif, Sans };
QFont windowFont(Face face, qreal pointSize, bool bold = false);

// In the middle of the primary screen's free area (without panels and docks).
void centreOnScreen(QWidget &window);
