#pragma once
// A picture of the Moon for its exact phase, painted as vectors so it stays sharp at any size:
// the lit part of the disc and the terminator, with the bright limb on the side an observer
// sees it. North of the equator a waxing Moon is lit on the right (west); south of it the
// picture is the mirror image, lit on the left.

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
    double illuminated_ = 0.0;  // fraction 0..1
    bool litOnRight_ = true;
};

}  // namespace chronel
