#pragma once
// An arrow button of the main window. Every press is a click, including the second press of a
// double-click (and the third of a triple click), so clicking quickly steps once per press; it
// shows its pressed picture while the mouse button is held on it.

#include "platform/ui/bitmap_button.h"
#include "res/templates/arrow_pictures.h"

namespace chronel {

class CQuickButton : public BitmapButton {
    Q_OBJECT
public:
    explicit CQuickButton(QWidget* parent = nullptr);
    // Gives the button its normal and pressed pictures.
    void LoadBitmaps(ArrowPictureId normal, ArrowPictureId pressed);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

QImage ArrowImage(ArrowPictureId id);

}  // namespace chronel
