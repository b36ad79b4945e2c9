#include "app/common/list_tables.h"

#include <array>

#include "app/common/fractal_params.h"

namespace zenphra::app {
namespace {

struct EquationEntry {
    const char* caption;
    int32_t code;
    const char* description;
};

struct RenderingEntry {
    const char* caption;
    int32_t code;
    const char* description;
    bool usesP2;
    bool usesFunctions;  // Func 1 and Func 2 are always used together
};

constexpr std::array<EquationEntry, kEquationCount> kEquations{{
    {"Classic Mandlebrot", ZENPHRA_EQN_CLASSIC_MANDLEBROT, "Z = Z^2 + C"},
    {"Pokorny", ZENPHRA_EQN_POKORNY, "Z = 1/(Z^2 + C)"},
    {"Lambda", ZENPHRA_EQN_LAMBDA, "Z = C * Z * (1 - Z)"},
    {"Spiral Symmetry 2", ZENPHRA_EQN_SPIRAL_SYMMETRY_2, "Z = Z^2 - Cimag\r\nZreal = Abs(Zreal) - Creal"},
    {"Barnsley 2", ZENPHRA_EQN_BARNSLEY_2,
     "If (Zreal*Cimag + Zimag * Creal >= 0)\r\nZ = (Z - 1) * C; Else Z = (Z + 1) * C"},
    {"Chebyshev", kChebyshevEquation, "Chebyshev approximation of order 3 to 9\r\nOrder = P3 (integer)"},
}};

constexpr std::array<RenderingEntry, kRenderingCount> kRenderings{{
    {"Rings", ZENPHRA_REND_RINGS, "P1 : Ring size (0.005 to 0.3)", false, false},
    {"Spheres", ZENPHRA_REND_SPHERES, "P1 : Sphere size (0.01 to 1.0)", false, false},
    {"Squares", ZENPHRA_REND_SQUARES, "P1 : Square size (0.02 to 0.3)", false, false},
    {"Stalks", ZENPHRA_REND_STALKS,
     "P1 : Stalk thickness (0.01 to 0.5)\r\nP2 : Stalk length (0.01 to 10000.0)", true, false},
    {"Atan", ZENPHRA_REND_ATAN, "P1 : Element size (0.3 to 32.0)", false, false},
    {"Petals", ZENPHRA_REND_PETALS, "P1 : Petal size (0.01 to 2.0)\r\nP2 : Petal Offset(0.0 to 0.2)", true,
     false},
    {"Cones", ZENPHRA_REND_CONES, "P1 : Cone size (1.0 to 32.0)", false, false},
    {"Angle Function 1", ZENPHRA_REND_ANGLE_FUNCTION_1,
     "P1 : Element size (0.05 to 2.0)\r\nP2 : Angle multiplier (0.01 to 3.14)", true, true},
    {"Level Set", kLevelSetRendering, "No parameters", false, false},
}};

constexpr std::array<ResolutionOption, 8> kResolutions{{
    {"opt160", "160x120", 160, 120},
    {"opt240", "240x180", 240, 180},
    {"opt320", "320x240", 320, 240},
    {"opt512", "512x384", 512, 384},
    {"opt640", "640x480", 640, 480},
    {"opt800", "800x600", 800, 600},
    {"opt1024", "1024x768", 1024, 768},
    {"opt1600", "1600x1200", 1600, 1200},
}};

template <typename Entry, size_t N>
QStringList CaptionsOf(const std::array<Entry, N>& table) {
    QStringList captions;
    for (const Entry& entry : table) captions << QString::fromLatin1(entry.caption);
    return captions;
}

template <typename Entry, size_t N>
int32_t PositionOf(const std::array<Entry, N>& table, int32_t code) {
    for (size_t position = 0; position < N; ++position) {
        if (table[position].code == code) return static_cast<int32_t>(position);
    }
    return -1;
}

template <typename Entry, size_t N>
int32_t CodeAt(const std::array<Entry, N>& table, int32_t position) {
    return position >= 0 && position < static_cast<int32_t>(N) ? table[position].code : -1;
}

const RenderingEntry* FindRendering(int32_t code) {
    const int32_t position = PositionOf(kRenderings, code);
    return position < 0 ? nullptr : &kRenderings[position];
}

}  // namespace

const QStringList& EquationCaptions() {
    static const QStringList captions = CaptionsOf(kEquations);
    return captions;
}

const QStringList& RenderingCaptions() {
    static const QStringList captions = CaptionsOf(kRenderings);
    return captions;
}

const QStringList& FunctionCaptions() {
    static const QStringList captions{"ident",  "recip", "sqr",   "sqrt",  "sin",  "cos",  "tan",
                                      "cotan",  "asin",  "acos",  "atan",  "sinh", "cosh", "tanh",
                                      "cotanh", "asinh", "acosh", "atanh", "exp",  "log",  "zero",
                                      "abs",    "cabs",  "flip",  "conj"};
    return captions;
}

int32_t EqnCode(int32_t position) { return CodeAt(kEquations, position); }
int32_t RendCode(int32_t position) { return CodeAt(kRenderings, position); }
int32_t EquationPosition(int32_t code) { return PositionOf(kEquations, code); }
int32_t RenderingPosition(int32_t code) { return PositionOf(kRenderings, code); }

QString EqnDesc(int32_t code) {
    const int32_t position = EquationPosition(code);
    return position < 0 ? QString() : QString::fromLatin1(kEquations[position].description);
}

QString RendDesc(int32_t code) {
    const RenderingEntry* entry = FindRendering(code);
    return entry == nullptr ? QString() : QString::fromLatin1(entry->description);
}

bool UsesP2(int32_t renderingCode) {
    const RenderingEntry* entry = FindRendering(renderingCode);
    return entry != nullptr && entry->usesP2;
}

bool UsesFunc1(int32_t renderingCode) {
    const RenderingEntry* entry = FindRendering(renderingCode);
    return entry != nullptr && entry->usesFunctions;
}

bool UsesFunc2(int32_t renderingCode) { return UsesFunc1(renderingCode); }

bool IsSupportedEquation(int32_t eqnType) {
    const int32_t base = eqnType >= kJuliaOffset ? eqnType - kJuliaOffset : eqnType;
    return EquationPosition(base) >= 0;
}

bool IsSupportedRendering(int32_t renderingCode) { return RenderingPosition(renderingCode) >= 0; }

bool IsFunctionPosition(int32_t position) { return position >= 0 && position < kFunctionCount; }

std::span<const ResolutionOption> ResolutionOptions() { return kResolutions; }

int32_t ResolutionPosition(int32_t horRes, int32_t vertRes) {
    for (size_t position = 0; position < kResolutions.size(); ++position) {
        const ResolutionOption& option = kResolutions[position];
        if (option.HorRes == horRes && option.VertRes == vertRes) return static_cast<int32_t>(position);
    }
    return -1;
}

bool IsListedWidth(int32_t horRes) {
    for (const ResolutionOption& option : kResolutions) {
        if (option.HorRes == horRes) return true;
    }
    return false;
}

void NoteCustomSize(FractalParams& params) {
    if (IsListedWidth(params.HorRes)) return;
    params.CustomHres = QString::number(params.HorRes);
    params.CustomVres = QString::number(params.VertRes);
}

}  // namespace zenphra::app
