#include "astro/core/nutation.h"

#include <cmath>

namespace chronel {
namespace {

constexpr double kDegToRad = 0.017453292519943295;
constexpr double kArcsecToDeg = 1.0 / 3600;

}  // namespace

Nutation NutationAt(double t) {
    // Longitude of the Moon's ascending node, mean longitudes of the Sun and the Moon, degrees.
    const double node = (125.04452 + t * (-1934.136261 + t * (0.0020708 + t / 450000))) * kDegToRad;
    const double sun = (280.4665 + 36000.7698 * t) * kDegToRad;
    const double moon = (218.3165 + 481267.8813 * t) * kDegToRad;
    Nutation n;
    n.longitude = (-17.20 * std::sin(node) - 1.32 * std::sin(2 * sun) - 0.23 * std::sin(2 * moon) +
                   0.21 * std::sin(2 * node)) *
                  kArcsecToDeg;
    n.obliquity = (9.20 * std::cos(node) + 0.57 * std::cos(2 * sun) + 0.10 * std::cos(2 * moon) -
                   0.09 * std::cos(2 * node)) *
                  kArcsecToDeg;
    return n;
}

double MeanObliquity(double t) {
    // 23 deg 26' 21.448" - 46.8150" t - 0.00059" t^2 + 0.001813" t^3
    return 23.0 + 26.0 / 60 + (21.448 + t * (-46.8150 + t * (-0.00059 + t * 0.001813))) * kArcsecToDeg;
}

}  // namespace chronel
