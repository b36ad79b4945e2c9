// The nesting of the Chebyshev polynomials in x^2, as the double engine evaluates them: P(x) is
// h(x^2) for the even orders and h(x^2) x for the odd ones, with h(u) = (((u + k0) u + k1) u + ...).
// The reference and the perturbed step both follow it.
#pragma once

#include <array>
#include <cstdint>

namespace zenphra {

struct ChebyshevNesting {
    int32_t count;                   // of the constants
    std::array<double, 4> constant;  // k0, k1, ...
    bool odd;                        // times x at the end
};

// Order 3 to 9.
constexpr ChebyshevNesting ChebyshevNestingOf(int32_t order) {
    switch (order) {
        case 3:
            return {1, {-3}, true};
        case 4:
            return {2, {-4, 2}, false};
        case 5:
            return {2, {-5, 3}, true};
        case 6:
            return {3, {-6, 7, -2}, false};
        case 7:
            return {3, {-7, 12, -5}, true};
        case 8:
            return {4, {-8, 18, -12, 2}, false};
        default:
            return {4, {-9, 25, -24, 7}, true};
    }
}

}  // namespace zenphra
