#include "palette.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

using Colour = std::array<int, 3>;

struct Box
{
    std::vector<Colour> colours;

    int widestChannel() const
    {
        int best = 0;
        int bestRange = -1;
        for (int c = 0; c < 3; ++c) {
            const auto [lo, hi] = std::minmax_element(colours.begin(), colours.end(),
                [c](const Colour &a, const Colour &b) { return a[c] < b[c]; });
            if ((*hi)[c] - (*lo)[c] > bestRange) {
                bestRange = (*hi)[c] - (*lo)[c];
                best = c;
            }
        }
        return best;
    }

    int range() const
    {
        const int c = widestChannel();
        const auto [lo, hi] = std::minmax_element(colours.begin(), colours.end(),
            [c](const Colour &a, const Colour &b) { return a[c] < b[c]; });
        return (*hi)[c] - (*lo)[c];
    }

    QRgb average() const
    {
        long sum[3] = {0, 0, 0};
        for (const Colour &colour : colours)
            for (int c = 0; c < 3; ++c)
                sum[c] += colour[c];
        const long n = long(colours.size());
        return qRgb(int((sum[0] + n / 2) / n), int((sum[1] + n / 2) / n), int((sum[2] + n / 2) / n));
    }
};

} // namespace

QList<QRgb> medianCutPalette(const QImage &image, int maxColours)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    Box all;
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            all.colours.push_back({qRed(line[x]), qGreen(line[x]), qBlue(line[x])});
    }

    std::vector<Box> boxes{all};
    while (int(boxes.size()) < maxColours) {
        const auto widest = std::max_element(boxes.begin(), boxes.end(),
            [](const Box &a, const Box &b) { return a.range() < b.range(); });
        if (widest->range() == 0)
            break; // every box holds one colour: the palette is exact
        const int c = widest->widestChannel();
        std::vector<Colour> &colours = widest->colours;
        std::sort(colours.begin(), colours.end(),
            [c](const Colour &a, const Colour &b) { return a[c] < b[c]; });
        // Split between distinct values so that both halves are non-empty.
        auto middle = colours.begin() + colours.size() / 2;
        middle = std::upper_bound(colours.begin(), middle, (*middle)[c] - 1,
            [c](int value, const Colour &colour) { return value < colour[c]; });
        if (middle == colours.begin())
            middle = std::upper_bound(colours.begin(), colours.end(), colours.front()[c],
                [c](int value, const Colour &colour) { return value < colour[c]; });
        Box upper{std::vector<Colour>(middle, colours.end())};
        colours.erase(middle, colours.end());
        boxes.push_back(std::move(upper));
    }

    QList<QRgb> palette;
    for (const Box &box : boxes)
        palette.append(box.average());
    return palette;
}
