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

// The coefficients of the same polynomial, the constant term first: the approximation table's linear
// parts and bounds are worked out from them.
constexpr std::array<double, 10> ChebyshevCoefficientsOf(int32_t order) {
    const ChebyshevNesting nesting = ChebyshevNestingOf(order);
    const int32_t odd = nesting.odd ? 1 : 0;
    std::array<double, 10> coefficients{};
    coefficients[size_t(2 * nesting.count + odd)] = 1.0;
    for (int32_t k = 0; k < nesting.count; ++k) {
        coefficients[size_t(2 * (nesting.count - 1 - k) + odd)] = nesting.constant[size_t(k)];
    }
    return coefficients;
}

}  // namespace zenphra
