#include "engine/plane_mapping.h"

#include <cmath>

namespace zenphra {

namespace {
constexpr double kRadiansPerDegree = 0.017453292519943295;
}

PlaneMapping ComputePlaneMapping(int32_t width, int32_t height, double centerReal, double centerImag,
                                 double magnify, double angleDegrees) {
    const double planeWidth = 3.6 / magnify;
    const double pixelSize = planeWidth / width;
    const double diagonalAngle = std::atan(static_cast<double>(height) / static_cast<double>(width));
    const double rotation = angleDegrees * kRadiansPerDegree;
    const double halfDiagonal = planeWidth * 0.5 / std::cos(diagonalAngle);

    PlaneMapping mapping;
    mapping.x0 = centerReal - std::cos(diagonalAngle - rotation) * halfDiagonal;
    mapping.y0 = centerImag + std::sin(diagonalAngle - rotation) * halfDiagonal;
    mapping.colStepX = std::cos(rotation) * pixelSize;
    mapping.colStepY = std::sin(rotation) * pixelSize;
    mapping.rowStepX = std::sin(rotation) * pixelSize;
    mapping.rowStepY = -std::cos(rotation) * pixelSize;
    return mapping;
}

}  // namespace zenphra
