#include <cmath>

#include "engine/equation_codes.h"

namespace zenphra {

int32_t ChebyshevOrder(double parm3) {
    const double order = parm3 + 0.1;
    if (!(order >= 3.0)) return 3;
    if (order >= 9.0) return 9;
    return static_cast<int32_t>(order);
}

bool InCardioidByAngle(double px, double py) {
    const double absY = std::fabs(py);
    const double root = std::sqrt(3 - 8 * px);
    const double t = (px > 0.25 && absY < 0.2165063508 ? 1 + root : 1 - root) * 0.5;
    const double theta = std::fabs(std::acos(t));
    const double yc = 0.5 * std::sin(theta) * (1 - std::cos(theta));
    return theta <= 1.0471975511965976 ? absY > yc : absY < yc;
}

}  // namespace zenphra
