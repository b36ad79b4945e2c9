// The equation, rendering and complex-function lists of the parameter panel: captions by list position,
// the codes stored in FractalParams, the description texts and which parameter fields each rendering
// uses. Tables are looked up by code, so a code without an entry has an empty text and false flags.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <span>

#include "app/common/fractal_params.h"
#include "zenphra.h"

namespace zenphra::app {

inline constexpr int32_t kEquationCount = 6;
inline constexpr int32_t kRenderingCount = 9;
inline constexpr int32_t kFunctionCount = 25;
inline constexpr int32_t kLevelSetRendering = ZENPHRA_REND_LEVEL_SET;  // the one without parameters
inline constexpr int32_t kChebyshevEquation = ZENPHRA_EQN_CHEBYSHEV;   // the one equation that uses P3

// Captions in list order.
const QStringList& EquationCaptions();
const QStringList& RenderingCaptions();
const QStringList& FunctionCaptions();

// Code by list position; -1 for a position outside the list.
int32_t EqnCode(int32_t position);
int32_t RendCode(int32_t position);

// List position of a code; -1 when the list has no such code.
int32_t EquationPosition(int32_t code);
int32_t RenderingPosition(int32_t code);

// Description by code (lines separated by CR LF).
QString EqnDesc(int32_t code);
QString RendDesc(int32_t code);

// Which of P2 and the two function lists a rendering uses.
bool UsesP2(int32_t renderingCode);
bool UsesFunc1(int32_t renderingCode);
bool UsesFunc2(int32_t renderingCode);

// An equation code of this edition, in set mode or with the Julia offset (7 and 107, not 207).
bool IsSupportedEquation(int32_t eqnType);
bool IsSupportedRendering(int32_t renderingCode);
bool IsFunctionPosition(int32_t position);

// The fixed image sizes of the resolution options, in the order they are shown; `name` is the option's
// control name.
struct ResolutionOption {
    const char* name;
    const char* caption;
    int32_t HorRes;
    int32_t VertRes;
};
std::span<const ResolutionOption> ResolutionOptions();

// Position of the size among the resolution options; -1 when it is not one of them.
int32_t ResolutionPosition(int32_t horRes, int32_t vertRes);

// True when one of the resolution options has this width.
bool IsListedWidth(int32_t horRes);

// An image whose width has no resolution option of its own has a custom size: the custom texts become
// its size. Other sizes leave the texts as they are.
void NoteCustomSize(FractalParams& params);

}  // namespace zenphra::app
