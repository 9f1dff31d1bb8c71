#pragma once
// Dialog units of a font: one horizontal unit is a quarter of the font's average character
// width, one vertical unit an eighth of its height (both in device-independent pixels).

#include <QFont>
#include <QRect>

namespace chronel {

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    int X(int units) const;  // horizontal units to pixels
    int Y(int units) const;  // vertical units to pixels
    QRect Rect(int x, int y, int width, int height) const;
    double PixelsPerUnitX() const { return m_unitX; }
    double PixelsPerUnitY() const { return m_unitY; }

private:
    double m_unitX;
    double m_unitY;
};

}  // namespace chronel
