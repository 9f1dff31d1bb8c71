#pragma once
// A proxy over the application's style that keeps the painted panel (background and frame) of
// each size and state of text field as a picture and copies it on later paints. The main
// window rewrites a dozen fields on every click; styles draw these panels with antialiased
// rounded outlines, which was most of the cost of a click, while the pictures are identical.

#include <QProxyStyle>

namespace chronel {

class CachedPanelStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit CachedPanelStyle(QStyle* base);
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
};

// Puts the proxy over the application's current style.
void UseCachedPanelStyle();

}  // namespace chronel
