#include "engine/row_plotter.h"

#include "platform/abort_poll.h"

namespace zenphra {
namespace {

using RowFunction = int32_t (*)(const RowContext&, uint8_t*, int32_t);

template <class Equation, class Rendering>
int32_t PlotPixels(const RowContext& context, uint8_t* pixels, int32_t columns) {
    for (int32_t column = 0; column < columns; ++column) {
        if (platform::AbortRequested()) return column;
        pixels[column] = PlotPixel<Equation, Rendering>(context, column);
    }
    return columns;
}

RowFunction SelectRowFunction(int32_t equation, int32_t rendering) {
    return WithEquation(equation, [rendering](auto equationStep) {
        return WithRendering(rendering, [](auto renderingTest) -> RowFunction {
            return &PlotPixels<decltype(equationStep), decltype(renderingTest)>;
        });
    });
}

RenderConstants MakeRenderConstants(const PlotParams& params) {
    RenderConstants k;
    k.numRanges = params.numRanges;
    k.colours = params.numRanges == 8 ? 29 : params.numRanges == 4 ? 58 : 116;
    k.half = k.colours / 2;
    k.itersToSkip = params.itersToSkip;
    k.limitValue = params.limitValue;
    k.juliaMode = params.juliaMode;
    k.banding = params.banding;
    k.parm1 = params.parm1;
    k.parm2 = params.parm2;
    k.func1 = ComplexFunctionAt(params.func1);
    k.func2 = ComplexFunctionAt(params.func2);
    WithRendering(params.rendering, [&k](auto rendering) { decltype(rendering)::Prepare(k); });
    k.scale = k.colours / k.trapLimit;
    return k;
}

}  // namespace

RowContext MakeRowContext(const PlotParams& params, int32_t row) {
    RowContext context;
    context.row = row;
    context.rowStartX = RowStartX(params.mapping, row);
    context.rowStartY = RowStartY(params.mapping, row);
    context.colStepX = params.mapping.colStepX;
    context.colStepY = params.mapping.colStepY;
    context.juliaMode = params.juliaMode;
    context.juliaConstant = Complex{params.juliaReal, params.juliaImag};
    context.maxIters = params.maxIters;
    context.equation = params.equation;
    context.rendering = params.rendering;
    context.equationConstants.chebyshevOrder = ChebyshevOrder(params.parm3);
    context.render = MakeRenderConstants(params);
    return context;
}

int32_t PlotRow(const RowContext& context, uint8_t* pixels, int32_t columns) {
    // The row function is chosen once per row, so each pixel runs a loop with its equation and rendering
    // built in.
    const RowFunction plotPixels = SelectRowFunction(context.equation, context.rendering);
    return plotPixels(context, pixels, columns);
}

}  // namespace zenphra
