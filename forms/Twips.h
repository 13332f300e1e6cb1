#pragma once

#include <cmath>

// Window designs measure in twips; at the 96 dots per inch the designs assume, a pixel is 15
// twips.
namespace Twips {

inline constexpr int PerPixel = 15;

inline int toPixels(double twips)
{
    return int(std::nearbyint(twips / PerPixel));
}

inline constexpr int fromPixels(int pixels)
{
    return pixels * PerPixel;
}

} // namespace Twips
