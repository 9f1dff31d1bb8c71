#pragma once
// The four pictures of the arrow buttons, 15 x 11 pixels: 148 up and 149 down on a raised face,
// 155 up and 154 down on a pressed (sunken) face. The pressed pictures swap the light and dark
// edges and move the triangle one pixel right and one down.

#include <array>
#include <cstdint>

namespace chronel {

inline constexpr int kArrowPictureWidth = 15;
inline constexpr int kArrowPictureHeight = 11;

// Rows from the top, columns from the left; each pixel 0xRRGGBB.
using ArrowPicture = std::array<std::array<std::uint32_t, kArrowPictureWidth>, kArrowPictureHeight>;

enum class ArrowPictureId { kUpRaised = 148, kDownRaised = 149, kDownPressed = 154, kUpPressed = 155 };

ArrowPicture MakeArrowPicture(ArrowPictureId id);

}  // namespace chronel
