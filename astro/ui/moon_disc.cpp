#include "astro/ui/moon_disc.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "astro/core/almanac_texts.h"

namespace chronel {
namespace {

const QColor kSky(16, 18, 28);
const QColor kDarkSide(58, 60, 70);
const QColor kLitSide(238, 234, 214);
const QColor kRim(120, 122, 132);

// The disc inside a picture of the given size: 2 px short of the shorter side's edges.
struct DiscGeometry {
    QPointF centre;
    double radius;
    QRectF bounds;
};
DiscGeometry Geometry(QSize size) {
    const double side = std::min(size.width(), size.height());
    const double r = side / 2.0 - 2.0;
    const QPointF c(size.width() / 2.0, size.height() / 2.0);
    return {c, r, QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r)};
}

// Antialiased, and drawn lit on the right, then mirrored about the vertical axis when lit on
// the left: every layer is drawn in this same frame, so that they meet where they did when
// they were drawn one after the other.
void PrepareFrame(QPainter& p, const DiscGeometry& g, bool litOnRight) {
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(g.centre);
    if (!litOnRight) p.scale(-1.0, 1.0);
    p.translate(-g.centre);
}

QPixmap BlankPixmap(QSize size, qreal pixelRatio) {
    QPixmap pixmap(size * pixelRatio);
    pixmap.setDevicePixelRatio(pixelRatio);
    return pixmap;
}

}  // namespace

MoonDisc::MoonDisc(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setAttribute(Qt::WA_OpaquePaintEvent);  // paintEvent fills every pixel
    setAccessibleName(QString::fromStdString(MoonLookDescription(0.0, true)));
}

void MoonDisc::SetPhase(double illuminatedPercent, bool waxing, bool southernObserver) {
    // Waxing: the Sun is west of the Moon, to the right for a northern observer facing south.
    const bool litOnRight = waxing != southernObserver;
    if (illuminatedPercent == percentShown_ && waxing == waxingShown_ && litOnRight == litOnRight_) return;
    percentShown_ = illuminatedPercent;
    waxingShown_ = waxing;
    illuminated_ = std::clamp(illuminatedPercent / 100.0, 0.0, 1.0);
    litOnRight_ = litOnRight;
    setAccessibleName(QString::fromStdString(MoonLookDescription(illuminatedPercent, waxing)));
    update();
}

QSize MoonDisc::sizeHint() const { return {96, 96}; }
QSize MoonDisc::minimumSizeHint() const { return {32, 32}; }

const MoonDisc::Layers& MoonDisc::LayersFor(qreal pixelRatio) {
    if (layers_.size == size() && layers_.litOnRight == litOnRight_ && layers_.pixelRatio == pixelRatio)
        return layers_;
    const DiscGeometry g = Geometry(size());
    layers_ = Layers{size(), litOnRight_, pixelRatio, BlankPixmap(size(), pixelRatio), BlankPixmap(size(), pixelRatio)};

    layers_.below.fill(kSky);
    QPainter below(&layers_.below);
    PrepareFrame(below, g, litOnRight_);
    below.setPen(Qt::NoPen);
    below.setBrush(kDarkSide);
    below.drawEllipse(g.bounds);

    layers_.rim.fill(Qt::transparent);
    QPainter rim(&layers_.rim);
    PrepareFrame(rim, g, litOnRight_);
    rim.setBrush(Qt::NoBrush);
    rim.setPen(QPen(kRim, 1.0));
    rim.drawEllipse(g.bounds);
    return layers_;
}

void MoonDisc::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const Layers& layers = LayersFor(devicePixelRatioF());
    p.drawPixmap(0, 0, layers.below);

    const DiscGeometry g = Geometry(size());
    const QPointF c = g.centre;
    const double r = g.radius;
    p.save();
    PrepareFrame(p, g, litOnRight_);
    // The terminator is half an ellipse of half-width r |2k - 1| (k the lit fraction): on the
    // dark side beyond a half-lit Moon, on the lit side short of it.
    const double e = r * std::abs(2 * illuminated_ - 1);
    const QRectF terminator(c.x() - e, c.y() - r, 2 * e, 2 * r);
    QPainterPath lit;
    lit.moveTo(c.x(), c.y() - r);
    lit.arcTo(g.bounds, 90, -180);  // the bright limb, top to bottom through the right
    lit.arcTo(terminator, 270, illuminated_ > 0.5 ? -180 : 180);  // back up to the top
    lit.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kLitSide);
    p.drawPath(lit);
    p.restore();

    p.drawPixmap(0, 0, layers.rim);
}

}  // namespace chronel
