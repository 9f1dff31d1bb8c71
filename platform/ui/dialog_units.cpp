#include "platform/ui/dialog_units.h"

#include <QFontMetricsF>
#include <cmath>

namespace chronel {

DialogUnits::DialogUnits(const QFont& font) {
    // The average character width is that of the 52 Latin letters, the measure dialog layouts
    // were designed with; a font's own "average width" figure is often narrower than real text.
    const QFontMetricsF fm(font);
    const double average = fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52.0;
    m_unitX = average / 4.0;
    m_unitY = fm.height() / 8.0;
}

int DialogUnits::X(int units) const { return static_cast<int>(std::lround(units * m_unitX)); }
int DialogUnits::Y(int units) const { return static_cast<int>(std::lround(units * m_unitY)); }

QRect DialogUnits::Rect(int x, int y, int width, int height) const {
    // Round both edges so that neighbouring controls meet exactly as in the layout.
    const int left = X(x), top = Y(y);
    return QRect(left, top, X(x + width) - left, Y(y + height) - top);
}

}  // namespace chronel
