#pragma once

#include <QRect>

// Both windows are laid out in twips: 15 make one device-independent pixel.
constexpr QRect twips(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}
