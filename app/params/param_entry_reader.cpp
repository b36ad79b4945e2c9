#include "app/params/param_entry_reader.h"

#include <cmath>

#include "app/colormaps/palette_colors.h"
#include "app/common/exact_location.h"
#include "app/common/list_tables.h"
#include "app/common/text_lines.h"
#include "app/common/valid_num.h"

namespace zenphra::app {
namespace {

// Walks the lines of one entry; every read fails once the file has ended.
class EntryLineReader {
  public:
    EntryLineReader(const QStringList& lines, qsizetype first) : lines_(lines), next_(first) {}

    std::optional<QString> Line() {
        if (next_ < 0 || next_ >= lines_.size()) return std::nullopt;
        return lines_[next_++];
    }
    // The lines from here that pass `test`.
    template <class Test>
    QStringList LinesWhile(Test test) {
        QStringList taken;
        while (next_ >= 0 && next_ < lines_.size() && test(lines_[next_])) taken << lines_[next_++];
        return taken;
    }

    // A labelled line's value: the text after its first "=".
    std::optional<QString> Value() {
        const std::optional<QString> line = Line();
        if (!line) return std::nullopt;
        const qsizetype equals = line->indexOf(QLatin1Char('='));
        if (equals < 0) return std::nullopt;
        return line->mid(equals + 1);
    }

    bool Read(int16_t& field) {
        const std::optional<QString> value = Value();
        return value && Store(ParseInt16(*value), field);
    }
    bool Read(int32_t& field) {
        const std::optional<QString> value = Value();
        return value && Store(ParseInt32(*value), field);
    }
    bool Read(double& field) {
        const std::optional<QString> value = Value();
        if (!value) return false;
        const double number = StrToDbl(*value);
        if (!std::isfinite(number)) return false;
        field = number;
        return true;
    }
    // A colour stands alone on its line, without a label.
    bool ReadColor(PackedColor& color) {
        const std::optional<QString> line = Line();
        return line && Store(ParseInt32(*line), color);
    }

  private:
    template <typename T>
    static bool Store(const std::optional<T>& value, T& field) {
        if (value) field = *value;
        return value.has_value();
    }

    const QStringList& lines_;
    qsizetype next_;
};

bool ReadBanding(EntryLineReader& in, int32_t& banding) {
    // Entries written before banding existed have no such line; they load with banding on.
    banding = 1;
    const std::optional<QString> line = in.Line();
    if (!line) return false;
    if (!line->startsWith(QStringLiteral("Banding"))) return true;
    const qsizetype equals = line->indexOf(QLatin1Char('='));
    const std::optional<int32_t> value =
        equals < 0 ? std::nullopt : ParseInt32(QStringView(*line).mid(equals + 1));
    if (value && *value == 0) banding = 0;
    return value.has_value();
}

// Reads the banding line, and the lines of a deep location after it; false for a faulty line or a
// location that is not one.
bool ReadBandingAndLocation(EntryLineReader& in, FractalParams& p) {
    p.ExactRealCenter.clear();
    p.ExactImagCenter.clear();
    p.ExactMagnify.clear();
    if (!ReadBanding(in, p.Banding)) return false;
    const QStringList location = in.LinesWhile(IsExactLocationLine);
    return location.isEmpty() || TakeExactLocation(location, p);
}

}  // namespace

std::optional<EntryHeader> ReadEntryHeader(const QStringList& lines, int32_t nameLine) {
    if (nameLine < 1 || nameLine + 4 > lines.size()) return std::nullopt;
    return EntryHeader{lines[nameLine], lines[nameLine + 1], lines[nameLine + 2], lines[nameLine + 3]};
}

EntryReadResult ReadEntryParams(const QStringList& lines, int32_t nameLine, const EntryValues& current) {
    const EntryReadResult faulty{EntryReadStatus::kFaulty, current};
    const auto refused = [&](EntryReadStatus status) { return EntryReadResult{status, current}; };
    EntryReadResult result{EntryReadStatus::kRead, current};
    FractalParams& p = result.values.params;
    ColorMap& colors = result.values.colors;

    // The name line and the author and comment lines come first.
    EntryLineReader in(lines, nameLine < 1 ? -1 : qsizetype(nameLine) + 4);
    if (!in.Read(p.EqnType)) return faulty;
    if (!IsSupportedEquation(p.EqnType)) return refused(EntryReadStatus::kEquationNotSupported);
    if (!(in.Read(p.MaxIters) && in.Read(p.ItersToSkip) && in.Read(p.NumRanges) && in.Read(p.Rendering))) {
        return faulty;
    }
    if (!IsSupportedRendering(p.Rendering)) return refused(EntryReadStatus::kRenderingNotSupported);
    p.NumRanges = UsedRanges(p.NumRanges);

    if (!in.Read(p.LimitValue)) return faulty;
    if (p.JuliaMode() && !(in.Read(p.JuliaReal) && in.Read(p.JuliaImag))) return faulty;
    if (!(in.Read(p.Parm1) && in.Read(p.Parm2) && in.Read(p.Parm3) && in.Read(p.Func1) && in.Read(p.Func2))) {
        return faulty;
    }
    if (!IsFunctionPosition(p.Func1) || !IsFunctionPosition(p.Func2)) return faulty;
    if (!(in.Read(p.PrevRealCenter) && in.Read(p.PrevImagCenter) && in.Read(p.TotalMagnify) &&
          in.Read(p.TotalAngleDeg))) {
        return faulty;
    }
    for (PackedColor& color : RangeColorsFor(colors, p.NumRanges)) {
        if (!in.ReadColor(color)) return faulty;
    }
    if (!(in.ReadColor(colors.MaxIterColor) && in.ReadColor(colors.BgColor) &&
          ReadBandingAndLocation(in, p))) {
        return faulty;
    }
    return result;
}

}  // namespace zenphra::app
