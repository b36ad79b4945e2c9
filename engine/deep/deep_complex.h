// Plain complex doubles for the deep path's pixel loops, with the few operations they need spelled out.
#pragma once

#include <cmath>

namespace zenphra {

struct Cd {
    double re = 0, im = 0;
};

inline Cd operator+(Cd a, Cd b) { return {a.re + b.re, a.im + b.im}; }
inline Cd operator-(Cd a, Cd b) { return {a.re - b.re, a.im - b.im}; }
inline Cd operator-(Cd a) { return {-a.re, -a.im}; }
inline Cd operator*(Cd a, Cd b) { return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re}; }
inline Cd operator*(double a, Cd b) { return {a * b.re, a * b.im}; }
inline double Norm(Cd a) { return a.re * a.re + a.im * a.im; }
inline double Magnitude(Cd a) { return std::sqrt(Norm(a)); }

}  // namespace zenphra
