#include "app/shell/explorer_settings.h"

#include <optional>

#include "app/common/color_map.h"
#include "app/common/exact_location.h"
#include "app/common/list_tables.h"
#include "app/common/text_lines.h"
#include "app/common/valid_num.h"

namespace zenphra::app {
namespace {

constexpr int32_t kSmallestStoredSide = 32;
constexpr int32_t kLargestStoredSide = 16384;

// Reads the explorer's values, each falling back to `fallback` when missing or unreadable.
class SettingsReader {
  public:
    explicit SettingsReader(const CRegSettings& store) : store_(store) {}

    QString Text(const char* key) const {
        return store_.GetSetting(kExplorerSection, QString::fromLatin1(key));
    }

    template <typename Parse, typename T>
    T Read(const char* key, Parse parse, T fallback) const {
        return parse(Text(key)).value_or(fallback);
    }
    int32_t Int32(const char* key, int32_t fallback) const { return Read(key, ParseInt32, fallback); }
    double Number(const char* key, double fallback) const { return Read(key, ParseNumber, fallback); }

  private:
    const CRegSettings& store_;
};

template <typename T, typename Check>
T Checked(T value, Check check, T fallback) {
    return check(value) ? value : fallback;
}

bool IsStoredSide(int32_t side) { return side >= kSmallestStoredSide && side <= kLargestStoredSide; }

}  // namespace

void SaveExplorerSettings(const CRegSettings& store, const ExplorerSettings& settings) {
    const FractalParams& params = settings.params;
    const auto save = [&store](const char* key, const QString& text) {
        store.SaveSetting(kExplorerSection, QString::fromLatin1(key), text);
    };
    const auto number = [](auto value) { return QString::number(value); };
    save("UsingHLS", settings.UsingHLS ? QStringLiteral("1") : QStringLiteral("0"));
    save("Banding", params.Banding != 0 ? QStringLiteral("1") : QStringLiteral("0"));
    save("EqnType", number(params.EqnType));
    save("Rendering", number(params.Rendering));
    save("MaxIters", number(params.MaxIters));
    save("ItersToSkip", number(params.ItersToSkip));
    save("NumRanges", number(params.NumRanges));
    save("Func1", number(params.Func1));
    save("Func2", number(params.Func2));
    save("HorRes", number(params.HorRes));
    save("VertRes", number(params.VertRes));
    save("LimitValue", FormatNum(params.LimitValue, 5));
    save("JuliaReal", FormatNum(params.JuliaReal, 20));
    save("JuliaImag", FormatNum(params.JuliaImag, 20));
    save("PrevRealCenter", FormatNum(params.PrevRealCenter, 20));
    save("PrevImagCenter", FormatNum(params.PrevImagCenter, 20));
    save("TotalMagnify", FormatNum(params.TotalMagnify, 20));
    save("TotalAngleDeg", FormatNum(params.TotalAngleDeg, 20));
    save("Parm1", FormatNum(params.Parm1, 6));
    save("Parm2", FormatNum(params.Parm2, 6));
    save("Parm3", FormatNum(params.Parm3, 6));
    save("CustomHres", params.CustomHres);
    save("CustomVres", params.CustomVres);
    // A deep location in full, each part as its line has it after the "="; none where there is none.
    const QStringList location = ExactLocationLines(params);
    const char* const keys[] = {"ExactRealCenter", "ExactImagCenter", "ExactMagnify"};
    for (int part = 0; part < 3; ++part) {
        if (location.isEmpty()) {
            store.DeleteSetting(kExplorerSection, QString::fromLatin1(keys[part]));
        } else {
            save(keys[part], location[part].section(QLatin1Char('='), 1));
        }
    }
}

std::optional<ExplorerSettings> LoadExplorerSettings(const CRegSettings& store) {
    const SettingsReader reader(store);
    if (reader.Text("EqnType").isEmpty()) return std::nullopt;

    const FractalParams defaults;
    ExplorerSettings settings;
    FractalParams& params = settings.params;
    settings.UsingHLS = reader.Text("UsingHLS") == QStringLiteral("1");
    params.Banding = reader.Text("Banding") == QStringLiteral("0") ? 0 : 1;
    params.EqnType =
        Checked(reader.Read("EqnType", ParseInt16, defaults.EqnType), IsSupportedEquation, defaults.EqnType);
    params.Rendering =
        Checked(reader.Int32("Rendering", defaults.Rendering), IsSupportedRendering, defaults.Rendering);
    params.MaxIters = reader.Int32("MaxIters", defaults.MaxIters);
    params.ItersToSkip = reader.Int32("ItersToSkip", defaults.ItersToSkip);
    params.NumRanges = UsedRanges(reader.Int32("NumRanges", defaults.NumRanges));
    params.Func1 = Checked(reader.Int32("Func1", defaults.Func1), IsFunctionPosition, defaults.Func1);
    params.Func2 = Checked(reader.Int32("Func2", defaults.Func2), IsFunctionPosition, defaults.Func2);
    // The two sides belong together: one that cannot be used brings back the first-run size.
    params.HorRes = reader.Int32("HorRes", 0);
    params.VertRes = reader.Int32("VertRes", 0);
    if (!IsStoredSide(params.HorRes) || !IsStoredSide(params.VertRes)) {
        params.HorRes = defaults.HorRes;
        params.VertRes = defaults.VertRes;
    }
    params.LimitValue = reader.Number("LimitValue", defaults.LimitValue);
    params.JuliaReal = reader.Number("JuliaReal", defaults.JuliaReal);
    params.JuliaImag = reader.Number("JuliaImag", defaults.JuliaImag);
    params.PrevRealCenter = reader.Number("PrevRealCenter", defaults.PrevRealCenter);
    params.PrevImagCenter = reader.Number("PrevImagCenter", defaults.PrevImagCenter);
    params.TotalMagnify = reader.Number("TotalMagnify", defaults.TotalMagnify);
    params.TotalAngleDeg = reader.Number("TotalAngleDeg", defaults.TotalAngleDeg);
    params.Parm1 = reader.Number("Parm1", defaults.Parm1);
    params.Parm2 = reader.Number("Parm2", defaults.Parm2);
    params.Parm3 = reader.Number("Parm3", defaults.Parm3);
    params.CustomHres = reader.Text("CustomHres");
    params.CustomVres = reader.Text("CustomVres");
    // A location that does not agree with the doubles beside it is not taken: the doubles stand.
    const QString exactRe = reader.Text("ExactRealCenter");
    if (!exactRe.isEmpty()) {
        TakeExactLocation({kExactRealLabel + exactRe, kExactImagLabel + reader.Text("ExactImagCenter"),
                           kExactMagnifyLabel + reader.Text("ExactMagnify")},
                          params);
    }
    return settings;
}

}  // namespace zenphra::app
