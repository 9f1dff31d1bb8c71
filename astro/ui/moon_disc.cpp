#include "astro/ui/moon_disc.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "astro/core/almanac_texts.h"

namespace chronel {

MoonDisc::MoonDisc(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setAttribute(Qt::WA_OpaquePaintEvent);  // paintEvent fills every pixel
    setAccessibleName(QString::fromStdString(MoonLookDescription(0.0, true)));
}

void MoonDisc::SetPhase(double illuminatedPercent, bool waxing, bool southernObserver) {
    illuminated_ = std::clamp(illuminatedPercent / 100.0, 0.0, 1.0);
    // Waxing: the Sun is west of the Moon, to the right for a northern observer facing south.
    litOnRight_ = waxing != southernObserver;
    setAccessibleName(QString::fromStdString(MoonLookDescription(illuminatedPercent, waxing)));
    update();
}

QSize MoonDisc::sizeHint() const { return {96, 96}; }
QSize MoonDisc::minimumSizeHint() const { return {32, 32}; }

void MoonDisc::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(16, 18, 28));

    const double side = std::min(width(), height());
    const double r = side / 2.0 - 2.0;
    const QPointF c(width() / 2.0, height() / 2.0);
    const QRectF disc(c.x() - r, c.y() - r, 2 * r, 2 * r);

    // Drawn lit on the right, then mirrored about the vertical axis when lit on the left.
    p.translate(c);
    if (!litOnRight_) p.scale(-1.0, 1.0);
    p.translate(-c);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(58, 60, 70));
    p.drawEllipse(disc);

    // The terminator is half an ellipse of half-width r |2k - 1| (k the lit fraction): on the
    // dark side beyond a half-lit Moon, on the lit side short of it.
    const double e = r * std::abs(2 * illuminated_ - 1);
    const QRectF terminator(c.x() - e, c.y() - r, 2 * e, 2 * r);
    QPainterPath lit;
    lit.moveTo(c.x(), c.y() - r);
    lit.arcTo(disc, 90, -180);  // the bright limb, top to bottom through the right
    lit.arcTo(terminator, 270, illuminated_ > 0.5 ? -180 : 180);  // back up to the top
    lit.closeSubpath();
    p.setBrush(QColor(238, 234, 214));
    p.drawPath(lit);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 122, 132), 1.0));
    p.drawEllipse(disc);
}

}  // namespace chronel
