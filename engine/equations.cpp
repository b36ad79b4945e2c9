#include "engine/equations.h"

namespace zenphra {

bool InClassicInterior(double px, double py) {
    const double absY = std::fabs(py);
    if (absY >= 0.6495190528) return false;
    if (absY < 0.25) {
        const double r = std::sqrt(0.0625 - py * py);
        if (-1 - r < px && px < r - 1) return true;
    }
    if (!(-0.75 < px && px < 0.375)) return false;
    const double root = std::sqrt(3 - 8 * px);
    const double t = (px > 0.25 && absY < 0.2165063508 ? 1 + root : 1 - root) * 0.5;
    const double theta = std::fabs(std::acos(t));
    const double yc = 0.5 * std::sin(theta) * (1 - std::cos(theta));
    return theta <= 1.0471975511965976 ? absY > yc : absY < yc;
}

}  // namespace zenphra
