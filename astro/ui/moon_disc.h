#pragma once
// A picture of the Moon for its exact phase, painted as vectors so it stays sharp at any size:
// the lit part of the disc and the terminator, with the bright limb on the side an observer
// sees it. North of the equator a waxing Moon is lit on the right (west); south of it the
// picture is the mirror image, lit on the left.
//
// Only the lit part changes from day to day. The sky with the dark disc beneath it and the
// rim above it depend on the size and the side alone, so they are drawn once into pixmaps and
// each paint lays the lit part between the two.

#include <QPixmap>
#include <QWidget>

namespace chronel {

class MoonDisc : public QWidget {
    Q_OBJECT
public:
    explicit MoonDisc(QWidget* parent = nullptr);

    // illuminatedPercent 0..100; waxing between new and full moon; southernObserver for a place
    // south of the equator. Also sets the accessible name ("Waxing crescent, 23.4 % lit").
    void SetPhase(double illuminatedPercent, bool waxing, bool southernObserver);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The layers that do not depend on the phase, for one size, side and pixel ratio.
    struct Layers {
        QSize size;
        bool litOnRight = true;
        qreal pixelRatio = 0;
        QPixmap below;  // the sky and the dark disc, opaque
        QPixmap rim;    // the outline of the disc on a transparent ground
    };
    const Layers& LayersFor(qreal pixelRatio);

    double illuminated_ = 0.0;  // fraction 0..1
    bool litOnRight_ = true;
    double percentShown_ = -1.0;  // the phase last set, so that the same phase paints nothing
    bool waxingShown_ = true;
    Layers layers_;
};

}  // namespace chronel
