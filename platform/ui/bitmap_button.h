#pragma once
// A button that paints a picture: its pressed picture while it is held down, its normal picture
// otherwise, at the picture's own size in device-independent pixels from the button's top-left
// corner, scaled without smoothing on a scaled screen so it stays crisp.

#include <QAbstractButton>
#include <QImage>

namespace chronel {

class BitmapButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit BitmapButton(QWidget* parent = nullptr);
    void LoadBitmaps(const QImage& normal, const QImage& pressed);
    bool ShowsPressedPicture() const { return isDown(); }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QImage m_normal;
    QImage m_pressed;
};

}  // namespace chronel
