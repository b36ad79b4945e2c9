#include "app/params/param_entry_writer.h"

#include "app/colormaps/palette_colors.h"
#include "app/common/exact_location.h"
#include "app/common/valid_num.h"
#include "app/params/param_entry_scan.h"

namespace zenphra::app {
namespace {

QString OneLine(QString text) {
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

}  // namespace

QStringList EntryLines(const EntryText& text, const FractalParams& params, const PaletteArrays& palette) {
    const auto whole = [](int32_t value) { return QString::number(value); };
    QStringList lines{
        OneLine(text.name),
        QStringLiteral("Author : ") + OneLine(text.author),
        QStringLiteral("Comment 1 : ") + OneLine(text.comment1),
        QStringLiteral("Comment 2 : ") + OneLine(text.comment2),
        QStringLiteral("Comment 3 : ") + OneLine(text.comment3),
        QStringLiteral("Equation Type =") + whole(params.EqnType),
        QStringLiteral("Max Iters =") + whole(params.MaxIters),
        QStringLiteral("Skip Iters =") + whole(params.ItersToSkip),
        QStringLiteral("Color Ranges =") + whole(params.NumRanges),
        QStringLiteral("Rendering =") + whole(params.Rendering),
        QStringLiteral("Max Value =") + FormatNum(params.LimitValue, 6),
    };
    if (params.JuliaMode()) {
        lines << QStringLiteral("Julia Real =") + FormatNum(params.JuliaReal, 20)
              << QStringLiteral("Julia Imag =") + FormatNum(params.JuliaImag, 20);
    }
    lines << QStringLiteral("P1 =") + FormatNum(params.Parm1, 6)
          << QStringLiteral("P2 =") + FormatNum(params.Parm2, 6)
          << QStringLiteral("P3 =") + FormatNum(params.Parm3, 6)
          << QStringLiteral("Func 1 =") + whole(params.Func1)
          << QStringLiteral("Func 2 =") + whole(params.Func2)
          << QStringLiteral("Center Real =") + FormatNum(params.PrevRealCenter, 20)
          << QStringLiteral("Center Imag =") + FormatNum(params.PrevImagCenter, 20)
          << QStringLiteral("Magnification =") + FormatNum(params.TotalMagnify, 20)
          << QStringLiteral("Angle =") + FormatNum(params.TotalAngleDeg, 6);
    for (const PackedColor color : RangeEndColors(palette, params.NumRanges)) lines << whole(color);
    lines << whole(PaletteColor(palette, kMaxIterEntry)) << whole(PaletteColor(palette, kBackgroundEntry))
          << QStringLiteral("Banding =") + whole(params.Banding);
    // A deep location follows, where readers that know only the lines above step over it to "END".
    lines << ExactLocationLines(params) << kEntryEndLine;
    return lines;
}

}  // namespace zenphra::app
