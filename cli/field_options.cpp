#include "cli/field_options.h"

#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <functional>
#include <optional>
#include <utility>

#include "app/colormaps/colormap_file.h"
#include "app/common/list_tables.h"
#include "app/common/messages.h"
#include "app/common/text_lines.h"
#include "app/common/valid_num.h"
#include "app/explorer/panel_rules.h"
#include "cli/list_names.h"
#include "cli/number_pair.h"

namespace zenphra::cli {
namespace {

using app::FractalParams;

// What a setting works on: the image, and the names of all settings given, so that choosing a rendering
// leaves alone the parameters that have settings of their own.
struct Target {
    RenderSetup& setup;
    const QSet<QString>& given;
};

using Apply = std::function<bool(const FieldSetting& setting, Target& target)>;

struct OptionEntry {
    FieldOption option;
    Apply apply;
};

QString Compact(double value) { return QString::number(value); }

QString PairText(double first, double second) { return Compact(first) + QLatin1Char(',') + Compact(second); }

Apply WholeNumber(int32_t FractalParams::*field, int32_t lowest) {
    return [field, lowest](const FieldSetting& setting, Target& target) {
        const std::optional<int32_t> value = app::ParseInt32(setting.value);
        if (!value || *value < lowest) {
            return RefuseSetting(setting, QStringLiteral("a whole number of %1 or more").arg(lowest));
        }
        target.setup.params.*field = *value;
        return true;
    };
}

Apply NonNegativeNumber(double FractalParams::*field) {
    return [field](const FieldSetting& setting, Target& target) {
        const std::optional<double> value = app::ParseNumber(setting.value);
        if (!value || *value < 0.0) return RefuseSetting(setting, QStringLiteral("a number of 0 or more"));
        target.setup.params.*field = *value;
        return true;
    };
}

Apply FunctionChoice(int32_t FractalParams::*field) {
    return [field](const FieldSetting& setting, Target& target) {
        const std::optional<int32_t> position = FindFunction(setting.value);
        if (!position) {
            return RefuseSetting(setting, QStringLiteral("a function; choose one of ") + FunctionChoices());
        }
        target.setup.params.*field = *position;
        return true;
    };
}

// The option that sets a parameter a choice starts.
QString OptionOf(app::PanelField field) {
    switch (field) {
        case app::PanelField::kP1:
            return QStringLiteral("p1");
        case app::PanelField::kP2:
            return QStringLiteral("p2");
        default:
            return QStringLiteral("p3");
    }
}

// A newly chosen equation or rendering starts its parameters as the explorer's panel does, except those
// given on the command line.
void StartParameters(const std::vector<app::FieldStart>& starts, Target& target) {
    for (const app::FieldStart& start : starts) {
        if (!target.given.contains(OptionOf(start.field))) app::StoreStart(start, target.setup.params);
    }
}

bool SetEquation(const FieldSetting& setting, Target& target) {
    const std::optional<int32_t> code = FindEquation(setting.value);
    if (!code)
        return RefuseSetting(setting, QStringLiteral("an equation; choose one of ") + EquationChoices());
    FractalParams& params = target.setup.params;
    if (*code != params.BaseEquation()) StartParameters(app::EquationStarts(*code), target);
    params.EqnType = static_cast<int16_t>(*code + (params.JuliaMode() ? app::kJuliaOffset : 0));
    return true;
}

bool SetJulia(const FieldSetting& setting, Target& target) {
    FractalParams& params = target.setup.params;
    if (setting.value.compare(QStringLiteral("off"), Qt::CaseInsensitive) == 0) {
        params.EqnType = static_cast<int16_t>(params.BaseEquation());
        return true;
    }
    const auto point = ParsePair(setting.value);
    if (!point) return RefuseSetting(setting, QStringLiteral("a point RE,IM such as -0.75,0.1, nor \"off\""));
    params.JuliaReal = point->first;
    params.JuliaImag = point->second;
    params.EqnType = static_cast<int16_t>(params.BaseEquation() + app::kJuliaOffset);
    return true;
}

bool SetRendering(const FieldSetting& setting, Target& target) {
    const std::optional<int32_t> code = FindRendering(setting.value);
    if (!code)
        return RefuseSetting(setting, QStringLiteral("a rendering; choose one of ") + RenderingChoices());
    FractalParams& params = target.setup.params;
    if (*code != params.Rendering) {
        StartParameters(app::RenderingStarts(*code), target);
        const app::PanelShown shown = app::ShownFields(params.BaseEquation(), *code, params.JuliaMode());
        if (shown.Func1 && !target.given.contains(QStringLiteral("func1"))) params.Func1 = 0;
        if (shown.Func2 && !target.given.contains(QStringLiteral("func2"))) params.Func2 = 0;
    }
    params.Rendering = *code;
    return true;
}

bool SetSize(const FieldSetting& setting, Target& target) {
    static const QRegularExpression size(QStringLiteral(R"(^\s*(\d{1,9})\s*[xX]\s*(\d{1,9})\s*$)"));
    const QRegularExpressionMatch match = size.match(setting.value);
    const int32_t width = match.hasMatch() ? match.captured(1).toInt() : 0;
    const int32_t height = match.hasMatch() ? match.captured(2).toInt() : 0;
    const auto fits = [](int32_t side) { return side >= kSmallestSide && side <= kLargestSide; };
    if (!fits(width) || !fits(height)) {
        return RefuseSetting(setting, QStringLiteral("a size WxH of %1 to %2 pixels a side, such as 640x480")
                                          .arg(kSmallestSide)
                                          .arg(kLargestSide));
    }
    target.setup.params.HorRes = width;
    target.setup.params.VertRes = height;
    return true;
}

// The centre and the magnification are kept as typed too, every digit of them, for deep locations.
bool SetCenter(const FieldSetting& setting, Target& target) {
    const auto center = ParsePair(setting.value);
    if (!center) return RefuseSetting(setting, QStringLiteral("a point RE,IM such as -0.75,0.1"));
    FractalParams& params = target.setup.params;
    params.PrevRealCenter = center->first;
    params.PrevImagCenter = center->second;
    const QStringList parts = setting.value.split(QLatin1Char(','));
    params.ExactRealCenter = parts[0].trimmed();
    params.ExactImagCenter = parts[1].trimmed();
    return true;
}

bool SetMagnify(const FieldSetting& setting, Target& target) {
    // Beyond a double's range the nearest double is the largest one; the text keeps the rest.
    const std::optional<double> value = app::ParseLargeNumber(setting.value);
    if (!value || *value <= 0.0) return RefuseSetting(setting, QStringLiteral("a magnification above 0"));
    target.setup.params.TotalMagnify = *value;
    target.setup.params.ExactMagnify = setting.value.trimmed();
    return true;
}

bool SetAngle(const FieldSetting& setting, Target& target) {
    const std::optional<double> value = app::ParseNumber(setting.value);
    if (!value) return RefuseSetting(setting, QStringLiteral("an angle in degrees"));
    target.setup.params.TotalAngleDeg = *value;
    return true;
}

bool SetRanges(const FieldSetting& setting, Target& target) {
    const std::optional<int32_t> ranges = app::ParseInt32(setting.value);
    if (!ranges || app::UsedRanges(*ranges) != *ranges)
        return RefuseSetting(setting, QStringLiteral("2, 4 or 8"));
    target.setup.params.NumRanges = *ranges;
    return true;
}

bool SetBanding(const FieldSetting& setting, Target& target) {
    const QString value = setting.value.trimmed().toLower();
    const bool on = value == QStringLiteral("on") || value == QStringLiteral("1");
    const bool off = value == QStringLiteral("off") || value == QStringLiteral("0");
    if (!on && !off) return RefuseSetting(setting, QStringLiteral("on or off"));
    target.setup.params.Banding = on ? 1 : 0;
    return true;
}

// The kind of colormap file goes by its extension, as in the explorer's colormap editors.
int32_t ColormapRanges(const QString& path) {
    for (const int32_t ranges : {2, 4, 8}) {
        if (path.endsWith(QStringLiteral(".cm%1").arg(ranges), Qt::CaseInsensitive)) return ranges;
    }
    return 0;
}

bool LoadColormap(const FieldSetting& setting, Target& target) {
    const int32_t ranges = ColormapRanges(setting.value);
    if (ranges == 0)
        return RefuseSetting(setting, QStringLiteral("a colormap file ending in .cm2, .cm4 or .cm8"));
    const std::optional<app::ColormapReadResult> file = app::ReadColormapFile(setting.value, ranges);
    if (!file) return false;
    RenderSetup& setup = target.setup;
    setup.params.NumRanges = ranges;
    std::ranges::copy(file->rangeEnds, app::RangeColorsFor(setup.colors, ranges).begin());
    setup.colors.MaxIterColor = file->maxIterColor;
    setup.colors.BgColor = file->bgColor;
    return true;
}

std::vector<OptionEntry> MakeOptionEntries() {
    const FractalParams first;  // the explorer's first-run parameters
    const QString defaultsTo = QStringLiteral(" (default: %1)");
    const auto entry = [&](const char* name, const char* valueName, const QString& help,
                           const QString& defaultText, Apply apply) {
        return OptionEntry{
            {QLatin1String(name), QLatin1String(valueName), help + defaultsTo.arg(defaultText)},
            std::move(apply)};
    };
    const auto parameter = [&](const char* name, const QString& help, double FractalParams::*field) {
        return entry(name, "x", help, Compact(first.*field), NonNegativeNumber(field));
    };
    const auto function = [&](const char* name, const QString& help, int32_t FractalParams::*field) {
        return entry(name, "name", help, FunctionCaption(first.*field), FunctionChoice(field));
    };
    return {
        entry("equation", "name", QStringLiteral("Equation: a caption of the equation list, or its code."),
              EquationCaption(first.BaseEquation()), SetEquation),
        entry("julia", "re,im|off",
              QStringLiteral("Plot the Julia set of the point RE,IM; \"off\" plots the set."),
              QStringLiteral("off"), SetJulia),
        entry("rendering", "name", QStringLiteral("Rendering: a caption of the rendering list, or its code."),
              RenderingCaption(first.Rendering), SetRendering),
        entry("size", "WxH",
              QStringLiteral("Image size, %1 to %2 pixels a side.").arg(kSmallestSide).arg(kLargestSide),
              QStringLiteral("%1x%2; %3x%4 with --prm")
                  .arg(first.HorRes)
                  .arg(first.VertRes)
                  .arg(kEntryHorRes)
                  .arg(kEntryVertRes),
              SetSize),
        entry("center", "re,im",
              QStringLiteral("Centre of the image in the complex plane, with every digit the depth needs."),
              PairText(first.PrevRealCenter, first.PrevImagCenter), SetCenter),
        entry("magnify", "x",
              QStringLiteral("Magnification; 1 shows a width of 3.6. Any number of digits, up to 1e20000: "
                             "beyond about 1e13 the deep path draws the image."),
              Compact(first.TotalMagnify), SetMagnify),
        entry("angle", "degrees", QStringLiteral("Rotation, counter-clockwise."),
              Compact(first.TotalAngleDeg), SetAngle),
        entry("iters", "n", QStringLiteral("Iteration limit per pixel."), QString::number(first.MaxIters),
              WholeNumber(&FractalParams::MaxIters, 1)),
        entry("skip", "n", QStringLiteral("Iterations in which a rendering may not catch the orbit."),
              QString::number(first.ItersToSkip), WholeNumber(&FractalParams::ItersToSkip, 0)),
        parameter("limit", QStringLiteral("Iteration loop early exit value."), &FractalParams::LimitValue),
        parameter("p1", QStringLiteral("P1 of the rendering."), &FractalParams::Parm1),
        parameter("p2", QStringLiteral("P2 of the rendering."), &FractalParams::Parm2),
        parameter("p3", QStringLiteral("P3, the order of Chebyshev."), &FractalParams::Parm3),
        function("func1",
                 QStringLiteral("Func 1 of the rendering: a name of the function list, or its index."),
                 &FractalParams::Func1),
        function("func2", QStringLiteral("Func 2, as Func 1."), &FractalParams::Func2),
        entry("ranges", "2|4|8", QStringLiteral("Number of colour ranges."), QString::number(first.NumRanges),
              SetRanges),
        entry("banding", "on|off", QStringLiteral("Allow colour banding instead of dithering it away."),
              first.Banding != 0 ? QStringLiteral("on") : QStringLiteral("off"), SetBanding),
        entry("colormap", "file",
              QStringLiteral("Colours and number of ranges from a colormap file (.cm2, .cm4 or .cm8)."),
              QStringLiteral("the explorer's default colours"), LoadColormap),
    };
}

const std::vector<OptionEntry>& OptionEntries() {
    static const std::vector<OptionEntry> entries = MakeOptionEntries();
    return entries;
}

}  // namespace

const std::vector<FieldOption>& FieldOptions() {
    static const std::vector<FieldOption> options = [] {
        std::vector<FieldOption> list;
        for (const OptionEntry& entry : OptionEntries()) list.push_back(entry.option);
        return list;
    }();
    return options;
}

bool RefuseSetting(const FieldSetting& setting, const QString& wanted) {
    app::ShowMessage(QStringLiteral("--%1: \"%2\" is not %3").arg(setting.name, setting.value, wanted));
    return false;
}

bool ApplyFieldSettings(const std::vector<FieldSetting>& settings, RenderSetup& setup) {
    QSet<QString> given;
    for (const FieldSetting& setting : settings) given.insert(setting.name);
    Target target{setup, given};
    for (const FieldSetting& setting : settings) {
        const auto entry = std::ranges::find(OptionEntries(), setting.name,
                                             [](const OptionEntry& entry) { return entry.option.name; });
        if (entry == OptionEntries().end()) {
            app::ShowMessage(QStringLiteral("--%1 is not an option of the image").arg(setting.name));
            return false;
        }
        if (!entry->apply(setting, target)) return false;
    }
    return true;
}

}  // namespace zenphra::cli
