#include "res/templates/arrow_pictures.h"

namespace chronel {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF, kGrey = 0x808080, kFace = 0xE1E1E1, kBlack = 0x000000;

void Fill(ArrowPicture& p, int row, int from, int to, std::uint32_t colour) {
    for (int c = from; c <= to; ++c) p[row][c] = colour;
}

// The face and its two-pixel bevel: light top-left and dark bottom-right when raised, swapped
// when pressed.
void DrawFace(ArrowPicture& p, bool pressed) {
    const std::uint32_t light = pressed ? kGrey : kWhite, dark = pressed ? kWhite : kGrey;
    if (!pressed) {
        Fill(p, 0, 0, 13, light), Fill(p, 0, 14, 14, dark);
        Fill(p, 1, 0, 12, light), Fill(p, 1, 13, 14, dark);
        for (int r = 2; r <= 8; ++r) Fill(p, r, 0, 1, light), Fill(p, r, 2, 12, kFace), Fill(p, r, 13, 14, dark);
        Fill(p, 9, 0, 0, light), Fill(p, 9, 1, 14, dark);
        Fill(p, 10, 0, 14, dark);
    } else {
        Fill(p, 0, 0, 14, light);
        Fill(p, 1, 0, 13, light), Fill(p, 1, 14, 14, dark);
        for (int r = 2; r <= 8; ++r) Fill(p, r, 0, 1, light), Fill(p, r, 2, 12, kFace), Fill(p, r, 13, 14, dark);
        Fill(p, 9, 0, 1, light), Fill(p, 9, 2, 14, dark);
        Fill(p, 10, 0, 0, light), Fill(p, 10, 1, 14, dark);
    }
}

// A black triangle of four rows whose apex is at (apexRow, centre); widening downwards for an
// up arrow, or upwards (widest first) for a down arrow.
void DrawTriangle(ArrowPicture& p, bool up, int topRow, int centre) {
    for (int i = 0; i < 4; ++i) {
        const int half = up ? i : 3 - i;
        Fill(p, topRow + i, centre - half, centre + half, kBlack);
    }
}

}  // namespace

ArrowPicture MakeArrowPicture(ArrowPictureId id) {
    const bool pressed = id == ArrowPictureId::kUpPressed || id == ArrowPictureId::kDownPressed;
    const bool up = id == ArrowPictureId::kUpRaised || id == ArrowPictureId::kUpPressed;
    ArrowPicture p{};
    DrawFace(p, pressed);
    DrawTriangle(p, up, pressed ? 4 : 3, pressed ? 8 : 7);
    return p;
}

}  // namespace chronel
