#pragma once

#include <QImage>
#include <QWidget>

#include <QList>

#include <algorithm>

// The stars a masked box shows, counted on its picture: stars touch one another, but their
// top points stand apart. The caret, a dark column taller than a star, is left out.
inline int shownStars(QWidget *box)
{
    const QImage picture = box->grab().toImage();
    const int frame = 2;
    const QRect inside = picture.rect().adjusted(frame, frame, -frame, -frame);
    const auto ink = [&](int x, int y) { return picture.pixelColor(x, y).lightness() < 110; };
    QList<bool> caret;
    for (int x = inside.left(); x <= inside.right(); ++x) {
        int dark = 0;
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            dark += ink(x, y);
        caret.append(dark > inside.height() / 2);
    }
    // The top points: the first two rows with ink.
    int top = inside.top();
    const auto inkAt = [&](int x, int y) { return !caret.at(x - inside.left()) && ink(x, y); };
    while (top < inside.bottom()) {
        bool any = false;
        for (int x = inside.left(); x <= inside.right(); ++x)
            any = any || inkAt(x, top);
        if (any)
            break;
        ++top;
    }
    int stars = 0;
    bool inRun = false;
    for (int x = inside.left(); x <= inside.right(); ++x) {
        const bool here = inkAt(x, top) || inkAt(x, std::min(top + 1, inside.bottom()));
        stars += here && !inRun;
        inRun = here;
    }
    return stars;
}
