// From pixels to the complex plane. Magnification 1 shows a plane width of 3.6; the window is turned
// counter-clockwise by the angle about its centre; row 0 is at the top.
#pragma once

#include <cstdint>

namespace zenphra {

struct PlaneMapping {
    double x0 = 0, y0 = 0;              // the plane point of pixel (0, 0)
    double colStepX = 0, colStepY = 0;  // one column to the right
    double rowStepX = 0, rowStepY = 0;  // one row down
};

PlaneMapping ComputePlaneMapping(int32_t width, int32_t height, double centerReal, double centerImag,
                                 double magnify, double angleDegrees);

// The row start is worked out first and the column offset added to it; this order is part of the
// result, down to the last bit.
inline double RowStartX(const PlaneMapping& mapping, int32_t row) {
    return row * mapping.rowStepX + mapping.x0;
}
inline double RowStartY(const PlaneMapping& mapping, int32_t row) {
    return row * mapping.rowStepY + mapping.y0;
}
inline double PlaneX(double rowStartX, double colStepX, int32_t column) {
    return rowStartX + column * colStepX;
}
inline double PlaneY(double rowStartY, double colStepY, int32_t column) {
    return rowStartY + column * colStepY;
}

}  // namespace zenphra
