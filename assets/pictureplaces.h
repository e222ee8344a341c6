#pragma once

#include "layout.h"

// Where the two pictures sit in their windows, in twips: the windows show them there, and
// tools/draw_assets draws each to its size (and to twice it, for screens scaled by two).
namespace PicturePlaces {

inline constexpr QRect title = twips(600, 0, 2430, 1230); // rurOvivoze's Image1
inline constexpr QRect banner = twips(0, 0, 7455, 855); // frmGetWord's Picture1

} // namespace PicturePlaces
