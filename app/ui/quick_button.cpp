#include "app/ui/quick_button.h"

#include <QMouseEvent>

namespace chronel {

QImage ArrowImage(ArrowPictureId id) {
    const ArrowPicture picture = MakeArrowPicture(id);
    QImage image(kArrowPictureWidth, kArrowPictureHeight, QImage::Format_RGB32);
    for (int row = 0; row < kArrowPictureHeight; ++row)
        for (int col = 0; col < kArrowPictureWidth; ++col) image.setPixel(col, row, 0xFF000000u | picture[row][col]);
    return image;
}

CQuickButton::CQuickButton(QWidget* parent) : BitmapButton(parent) {}

void CQuickButton::LoadBitmaps(ArrowPictureId normal, ArrowPictureId pressed) {
    BitmapButton::LoadBitmaps(ArrowImage(normal), ArrowImage(pressed));
}

void CQuickButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double-click is a press like any other: it pushes the button, and
    // its release clicks.
    mousePressEvent(event);
}

}  // namespace chronel
