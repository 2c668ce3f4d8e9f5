#pragma once
// The window icon's renditions as pixels (QRgb, 0xAARRGGBB), made by the build
// from the PNGs in data/icons.
#include <cstdint>
#include <span>

namespace tickwell {

struct IconPixels {
  int size;                  // width and height in pixels
  const std::uint32_t* argb; // size * size pixels, row by row
};

std::span<const IconPixels> appIconPixels();

}  // namespace tickwell
