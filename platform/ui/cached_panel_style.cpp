#include "platform/ui/cached_panel_style.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyleFactory>
#include <QStyleOption>

namespace chronel {

CachedPanelStyle::CachedPanelStyle(QStyle* base) : QProxyStyle(base) {}

void CachedPanelStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                     const QWidget* widget) const {
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    const auto* edit = qobject_cast<const QLineEdit*>(widget);
    // Only the panels of plain text fields: a list's edit part is drawn by the list's own frame.
    if (element != PE_PanelLineEdit || !frame || !edit || qobject_cast<const QComboBox*>(edit->parentWidget()) ||
        frame->rect.isEmpty() || !painter->device()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const qreal ratio = painter->device()->devicePixelRatio();
    const QString key = QStringLiteral("chronel-panel-%1x%2-%3-%4-%5-%6-%7-%8")
                            .arg(frame->rect.width())
                            .arg(frame->rect.height())
                            .arg(int(frame->state))
                            .arg(frame->lineWidth)
                            .arg(int(frame->features))
                            .arg(frame->palette.cacheKey())
                            .arg(ratio)
                            .arg(int(frame->direction));
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        picture = QPixmap((QSizeF(frame->rect.size()) * ratio).toSize());
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QStyleOptionFrame atOrigin = *frame;
        atOrigin.rect.moveTo(0, 0);
        QPainter offscreen(&picture);
        QProxyStyle::drawPrimitive(element, &atOrigin, &offscreen, widget);
        offscreen.end();
        QPixmapCache::insert(key, picture);
    }
    painter->drawPixmap(frame->rect.topLeft(), picture);
}

void UseCachedPanelStyle() {
    QApplication::setStyle(new CachedPanelStyle(QStyleFactory::create(QApplication::style()->name())));
}

}  // namespace chronel
