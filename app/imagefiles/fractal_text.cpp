#include "app/imagefiles/fractal_text.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <optional>

#include "app/common/exact_location.h"
#include "app/common/list_tables.h"
#include "app/common/text_lines.h"
#include "app/common/valid_num.h"

namespace zenphra::app {
namespace {

constexpr int32_t kFirstColorLine = 21;
constexpr int32_t kColorLines = 16;
constexpr int32_t kMaxIterColorLine = 37;
constexpr int32_t kBgColorLine = 38;
constexpr int32_t kSampledRangeLength = 29;  // the palette is sampled as eight ranges
constexpr char kBandPrefix[] = "Band";
constexpr qsizetype kBandPrefixLength = 4;

// The text up to its banding line, and the banding that line gives.
struct BandingCut {
    QByteArray lines;
    bool found = false;
    int32_t banding = 1;
};

// The first line that begins with "Band" ends the text; the one byte after "Band" is the banding
// value: "0" turns banding off, anything else (another digit, another character, nothing) leaves it on.
BandingCut CutAtBanding(const QByteArray& text) {
    qsizetype lineStart = 0;
    while (lineStart < text.size()) {
        if (text.mid(lineStart, kBandPrefixLength) == kBandPrefix) {
            const qsizetype valueAt = lineStart + kBandPrefixLength;
            const bool off = valueAt < text.size() && text[valueAt] == '0';
            return BandingCut{text.left(lineStart), true, off ? 0 : 1};
        }
        const qsizetype lineEnd = text.indexOf('\n', lineStart);
        if (lineEnd < 0) break;
        lineStart = lineEnd + 1;
    }
    return BandingCut{text, false, 1};
}

// Reads numbered lines (counted from 1) and remembers whether every one of them was a number.
class LineReader {
  public:
    explicit LineReader(const QStringList& lines) : lines_(lines) {}

    int16_t Int16(int32_t line) { return Take(ParseInt16(lines_[line - 1])); }
    int32_t Int32(int32_t line) { return Take(ParseInt32(lines_[line - 1])); }
    // Decimals are read as the panel and parameter entries read them: the number at the start of the
    // line, 0 when there is none. Only a value beyond the range of a double fails.
    double Number(int32_t line) {
        const double value = StrToDbl(lines_[line - 1]);
        return Take(std::isfinite(value) ? std::optional(value) : std::nullopt);
    }
    bool AllRead() const { return allRead_; }

  private:
    template <typename T>
    T Take(const std::optional<T>& value) {
        allRead_ = allRead_ && value.has_value();
        return value.value_or(T{});
    }

    const QStringList& lines_;
    bool allRead_ = true;
};

void AppendLine(QByteArray& text, const QString& value) {
    text += value.toLatin1();
    text += '\n';
}

void AppendLine(QByteArray& text, int32_t value) { text += QByteArray::number(value) + '\n'; }

bool InRange(int32_t value, int32_t lowest, int32_t highest) { return value >= lowest && value <= highest; }

// The ranges' colours from lines 21 to 36: each of R ranges spans 16 / R lines, of which the first holds
// its start colour and the last its end colour.
std::vector<PackedColor> ReadRangeColors(LineReader& reader, int32_t ranges) {
    const int32_t linesPerRange = kColorLines / ranges;
    std::vector<PackedColor> colors;
    for (int32_t range = 0; range < ranges; ++range) {
        const int32_t startLine = kFirstColorLine + range * linesPerRange;
        colors.push_back(reader.Int32(startLine));
        colors.push_back(reader.Int32(startLine + linesPerRange - 1));
    }
    return colors;
}

}  // namespace

QByteArray BuildFractalText(const FractalParams& params, int32_t startY, const PaletteArrays& palette) {
    const QString zero = QStringLiteral("0");
    QByteArray text;
    AppendLine(text, params.EqnType);
    AppendLine(text, params.HorRes);
    AppendLine(text, params.VertRes);
    AppendLine(text, startY);
    AppendLine(text, params.MaxIters);
    AppendLine(text, params.ItersToSkip);
    AppendLine(text, params.NumRanges);
    AppendLine(text, params.Rendering);
    AppendLine(text, FormatNum(params.LimitValue, 6));
    AppendLine(text, params.JuliaMode() ? FormatNum(params.JuliaReal, 20) : zero);
    AppendLine(text, params.JuliaMode() ? FormatNum(params.JuliaImag, 20) : zero);
    AppendLine(text, FormatNum(params.Parm1, 6));
    AppendLine(text, FormatNum(params.Parm2, 6));
    AppendLine(text, FormatNum(params.Parm3, 6));
    AppendLine(text, params.Func1);
    AppendLine(text, params.Func2);
    AppendLine(text, FormatNum(params.PrevRealCenter, 20));
    AppendLine(text, FormatNum(params.PrevImagCenter, 20));
    AppendLine(text, FormatNum(params.TotalMagnify, 20));
    AppendLine(text, FormatNum(params.TotalAngleDeg, 6));
    for (int32_t range = 0; range < kRangeEntries / kSampledRangeLength; ++range) {
        AppendLine(text, PaletteColor(palette, range * kSampledRangeLength));
        AppendLine(text, PaletteColor(palette, range * kSampledRangeLength + kSampledRangeLength - 1));
    }
    AppendLine(text, PaletteColor(palette, kMaxIterEntry));
    AppendLine(text, PaletteColor(palette, kBackgroundEntry));
    text += kBandPrefix + QByteArray::number(params.Banding != 0 ? 1 : 0);
    return text;
}

QByteArray BuildLocationText(const FractalParams& params) {
    QByteArray text;
    for (const QString& line : ExactLocationLines(params)) AppendLine(text, line);
    return text;
}

ParsedFractalText ParseFractalText(const QByteArray& text, const QByteArray& location) {
    const BandingCut cut = CutAtBanding(text);
    const QStringList lines = SplitLines(cut.lines);
    const qsizetype lineCount = lines.size() + (cut.found ? 1 : 0);
    if (lines.size() < kBgColorLine || lineCount > kFractalTextMaxLines) return {};

    LineReader reader(lines);
    FractalTextRecord record;
    FractalParams& params = record.params;
    params.EqnType = reader.Int16(1);
    params.HorRes = reader.Int32(2);
    params.VertRes = reader.Int32(3);
    record.StartY = reader.Int32(4);
    params.MaxIters = reader.Int32(5);
    params.ItersToSkip = reader.Int32(6);
    params.NumRanges = UsedRanges(reader.Int32(7));
    params.Rendering = reader.Int32(8);
    params.LimitValue = reader.Number(9);
    params.JuliaReal = reader.Number(10);
    params.JuliaImag = reader.Number(11);
    params.Parm1 = reader.Number(12);
    params.Parm2 = reader.Number(13);
    params.Parm3 = reader.Number(14);
    params.Func1 = reader.Int32(15);
    params.Func2 = reader.Int32(16);
    params.PrevRealCenter = reader.Number(17);
    params.PrevImagCenter = reader.Number(18);
    params.TotalMagnify = reader.Number(19);
    params.TotalAngleDeg = reader.Number(20);
    params.Banding = cut.banding;
    record.RangeColors = ReadRangeColors(reader, params.NumRanges);
    record.MaxIterColor = reader.Int32(kMaxIterColorLine);
    record.BgColor = reader.Int32(kBgColorLine);
    if (!reader.AllRead()) return {};

    if (!IsSupportedEquation(params.EqnType)) return {FractalTextStatus::kUnsupportedEquation, {}};
    if (!IsSupportedRendering(params.Rendering)) return {FractalTextStatus::kUnsupportedRendering, {}};
    const bool valuesInRange = InRange(params.HorRes, 1, kFractalTextMaxSide) &&
                               InRange(params.VertRes, 1, kFractalTextMaxSide) &&
                               InRange(record.StartY, 0, params.VertRes) &&
                               IsFunctionPosition(params.Func1) && IsFunctionPosition(params.Func2);
    if (!valuesInRange) return {};
    if (!location.isEmpty() && !TakeExactLocation(SplitLines(location), params)) return {};
    return {FractalTextStatus::kOk, record};
}

void CommitFractalText(const FractalTextRecord& record, FractalParams& params, ColorMap& colors,
                       PaletteArrays& palette) {
    FractalParams loaded = record.params;
    loaded.CustomHres = params.CustomHres;
    loaded.CustomVres = params.CustomVres;
    params = loaded;
    const auto rangeColors = RangeColorsFor(colors, params.NumRanges);
    std::copy_n(record.RangeColors.begin(), std::min(record.RangeColors.size(), rangeColors.size()),
                rangeColors.begin());
    colors.MaxIterColor = record.MaxIterColor;
    colors.BgColor = record.BgColor;
    SetPaletteColor(palette, kMaxIterEntry, record.MaxIterColor);
    SetPaletteColor(palette, kBackgroundEntry, record.BgColor);
}

FractalTextRecord StoredImageRecord(const FractalParams& params, const PaletteArrays& palette) {
    return ParseFractalText(BuildFractalText(params, 0, palette), BuildLocationText(params)).record;
}

FractalParams AsStoredInImage(const FractalParams& params, const PaletteArrays& palette) {
    const ParsedFractalText parsed =
        ParseFractalText(BuildFractalText(params, 0, palette), BuildLocationText(params));
    if (parsed.status != FractalTextStatus::kOk) return params;
    FractalParams stored = parsed.record.params;
    // The custom texts are not in the file; they stay the caller's.
    stored.CustomHres = params.CustomHres;
    stored.CustomVres = params.CustomVres;
    return stored;
}

int32_t StartYToSave(int32_t plotRow, int32_t vertRes) { return plotRow == vertRes - 1 ? 0 : plotRow; }

ResumePoint ResumePointOf(const FractalTextRecord& record) {
    const bool done = record.StartY == record.params.VertRes;
    return ResumePoint{record.StartY, done ? 0 : record.StartY, done};
}

}  // namespace zenphra::app
