#include "platform/ui/bitmap_button.h"

#include <QPainter>

namespace chronel {

BitmapButton::BitmapButton(QWidget* parent) : QAbstractButton(parent) { setFocusPolicy(Qt::TabFocus); }

void BitmapButton::LoadBitmaps(const QImage& normal, const QImage& pressed) {
    m_normal = normal;
    m_pressed = pressed;
    update();
}

QSize BitmapButton::sizeHint() const { return m_normal.isNull() ? QSize(15, 11) : m_normal.size(); }

void BitmapButton::paintEvent(QPaintEvent*) {
    const QImage& picture = isDown() ? m_pressed : m_normal;
    if (picture.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(QPoint(0, 0), picture.size()), picture);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.drawRect(QRect(QPoint(2, 2), picture.size() - QSize(5, 5)));
    }
}

}  // namespace chronel
