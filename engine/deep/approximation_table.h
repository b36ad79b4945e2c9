// The approximation table of a reference orbit: steps of many iterations at once. While a pixel's
// difference dz from the reference is small enough, l iterations from reference iteration m are one
// linear step, dz_{m+l} = A dz_m + B dc (A and B complex, or real 2x2 matrices where the equation is not
// conformal), because the neglected terms stay below a relative kApproximationTolerance of the kept
// ones. Built once per image by merging single steps pairwise: level j holds the steps of 2^j
// iterations starting at iterations 1 + i 2^j.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/deep/deep_complex.h"
#include "engine/deep/float_exp.h"
#include "engine/deep/real_matrix.h"
#include "engine/deep/reference_orbit.h"

namespace zenphra {

// The relative size of the terms an approximation neglects, against those it keeps. 2^-34 keeps every
// stable pixel of the benchmark scenes and the tests' scenes exact; 2^-36 costs a third more time.
inline constexpr double kApproximationTolerance = 0x1p-34;
// "Chebyshev", whose steps are not conformal: an error made early is stretched by the steps after it more
// than dz may be, by up to their condition number. In chaotic views 2^-34 lost one stable pixel in a
// hundred; 2^-46 keeps them, and costs a sixth more time.
inline constexpr double kStretchingTolerance = 0x1p-46;
// Steps of fewer than 2^kLowestLevel iterations cost about as much as the iterations themselves: they
// are not kept.
inline constexpr int32_t kLowestLevel = 2;

// For images whose pixel step fits a double.
struct DoubleApproximation {
    using Coefficient = ComplexExp;  // while the table is built
    Cd a, b;
    double radius = 0;  // valid while |dz.re| + |dz.im| is below it (no square to underflow)
};

// For deeper images: every value with an exponent of its own.
struct ExtendedApproximation {
    using Coefficient = ComplexExp;
    ComplexExp a, b;
    FloatExp radius;  // valid while |dz| is below it
};

// For the equations whose steps are not conformal, in images whose pixel step fits a double ...
struct MatrixApproximation {
    using Coefficient = MatrixExp;
    Matrix2 a, b;
    double radius = 0;  // as for DoubleApproximation
};

// ... and in deeper ones.
struct ExtendedMatrixApproximation {
    using Coefficient = MatrixExp;
    MatrixExp a, b;
    FloatExp radius;
};

template <class EntryType>
struct ApproximationTable {
    using Entry = EntryType;

    // Every level in one array, the lowest first: level j holds levelSize[j - kLowestLevel] entries
    // from levelStart[j - kLowestLevel] on, the steps of 2^j iterations from 1, 1 + 2^j, 1 + 2 2^j ...
    std::vector<Entry> entries;
    std::vector<int64_t> levelStart, levelSize;

    int32_t TopLevel() const { return kLowestLevel + int32_t(levelStart.size()) - 1; }
    // The step of 2^level iterations that starts at iteration m (m - 1 a multiple of 2^level), or null.
    const Entry* At(int32_t level, int64_t m) const {
        const size_t l = size_t(level - kLowestLevel);
        const int64_t i = (m - 1) >> level;
        return i < levelSize[l] ? &entries[size_t(levelStart[l] + i)] : nullptr;
    }
    size_t Bytes() const { return entries.capacity() * sizeof(Entry); }
};

struct TableInputs {
    const ReferenceOrbit* orbit = nullptr;
    DeepEquation equation = DeepEquation::kClassic;
    int32_t chebyshevOrder = 3;
    Cd c;                // the reference's constant, as a double (the multiplier of "Lambda")
    FloatExp dcLargest;  // the largest |dc| of the image's pixels (0 in Julia form)
    double limitValue = 0;
    double tolerance = kApproximationTolerance;
};

// Builds the table; false when stopped (see LongWork), with the table incomplete. `done` counts the
// entries merged. Made for the four entry types above.
template <class Entry>
bool BuildApproximationTable(const TableInputs& inputs, const LongWork& work,
                             ApproximationTable<Entry>* table);

}  // namespace zenphra
