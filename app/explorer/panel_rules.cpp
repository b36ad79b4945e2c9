#include "app/explorer/panel_rules.h"

#include <QRegularExpression>
#include <cmath>

#include "app/common/exact_location.h"
#include "app/common/list_tables.h"
#include "app/common/text_lines.h"
#include "app/common/valid_num.h"

namespace zenphra::app {
namespace {

using Params = FractalParams;

constexpr const char* kSigned = "0123456789.-";
constexpr const char* kUnsigned = "0123456789.";
constexpr const char* kDigits = "0123456789";

// A text field: the value behind it, how it is shown and how Plot checks it. Exactly one of `decimal`
// and `whole` is set.
struct FieldRule {
    const char* blankName;  // in "<name> is blank."
    const char* checkName;  // in "The value for <name> is invalid."
    const char* allowed;
    double Params::*decimal;
    int32_t Params::*whole;
    int decimals;      // shown with this many decimals
    bool readByCheck;  // its check stores the value (Plot reads the others from the panel)
};

// By PanelField.
constexpr std::array<FieldRule, kPanelFieldCount> kRules{{
    {"Center Real", "Center Real", kSigned, &Params::PrevRealCenter, nullptr, 20, false},
    {"Center Imag", "Center Imag", kSigned, &Params::PrevImagCenter, nullptr, 20, false},
    {"Angle", "Angle", kSigned, &Params::TotalAngleDeg, nullptr, 20, false},
    {"Magnification", "Magnification", kUnsigned, &Params::TotalMagnify, nullptr, 20, false},
    {"Iteration Loop Early Exit Value", "Iteration Loop Early Exit Value", kUnsigned, &Params::LimitValue,
     nullptr, 5, false},
    {"Max Iters", "Max. Iters", kDigits, nullptr, &Params::MaxIters, 0, false},
    {"Skip Iters", "Skip Iters", kDigits, nullptr, &Params::ItersToSkip, 0, false},
    {"Julia Real", "Julia Real", kSigned, &Params::JuliaReal, nullptr, 20, true},
    {"Julia Imag", "Julia Imag", kSigned, &Params::JuliaImag, nullptr, 20, true},
    {"P1", "P1", kUnsigned, &Params::Parm1, nullptr, 6, true},
    {"P2", "P2", kUnsigned, &Params::Parm2, nullptr, 6, true},
    {"P3", "P3", kUnsigned, &Params::Parm3, nullptr, 0, true},
}};

// The blank checks take the fields in the panel's reading order.
constexpr std::array<PanelField, kPanelFieldCount> kBlankOrder{
    PanelField::kCx,      PanelField::kCy,       PanelField::kMagnify,    PanelField::kAngle,
    PanelField::kMaxIter, PanelField::kSkipIter, PanelField::kLimitValue, PanelField::kJuliaX,
    PanelField::kJuliaY,  PanelField::kP1,       PanelField::kP2,         PanelField::kP3};

const FieldRule& RuleOf(PanelField field) { return kRules[static_cast<size_t>(field)]; }

constexpr PanelField AllFields(int index) { return static_cast<PanelField>(index); }

std::optional<QString> BlankMessage(const QString& text, const char* name) {
    if (!text.isEmpty()) return std::nullopt;
    return QString::fromLatin1(name) + QStringLiteral(" is blank.");
}

// The parts of the location, each with the text that keeps it in full beside its double.
struct LocationPart {
    PanelField field;
    double Params::*nearest;
    QString Params::*exact;
};
constexpr std::array<LocationPart, 3> kLocationParts{{
    {PanelField::kCx, &Params::PrevRealCenter, &Params::ExactRealCenter},
    {PanelField::kCy, &Params::PrevImagCenter, &Params::ExactImagCenter},
    {PanelField::kMagnify, &Params::TotalMagnify, &Params::ExactMagnify},
}};

const LocationPart* LocationPartOf(PanelField field) {
    for (const LocationPart& part : kLocationParts) {
        if (part.field == field) return &part;
    }
    return nullptr;
}

// Magnifications from here up are shown in exponent form: their 20 decimals would fill the field with
// digits that say nothing.
constexpr double kExponentFormFrom = 1e15;

// A magnification written with an exponent must be a whole number in that form ("6.75e49", "1E+300");
// every other text is checked by its characters alone, as the panel always did.
bool PassesCheck(PanelField field, const QString& text, const char* allowed) {
    static const QRegularExpression exponentForm(QStringLiteral(R"(^(\d+\.?\d*|\.\d+)[eE][+-]?\d+$)"));
    const bool hasExponent =
        text.contains(QLatin1Char('e'), Qt::CaseInsensitive) || text.contains(QLatin1Char('+'));
    if (field == PanelField::kMagnify && hasExponent) return exponentForm.match(text).hasMatch();
    return ValidChars(text, QString::fromLatin1(allowed));
}

// Stores a decimal field's text. A part of the location is read as a number of any size and keeps every
// digit the double cannot hold; the other fields are read as the panel always read them.
void StoreDecimal(PanelField field, const QString& text, Params& params) {
    const LocationPart* part = LocationPartOf(field);
    if (part == nullptr) {
        params.*RuleOf(field).decimal = StrToDbl(text);
        return;
    }
    const double nearest = ParseLargeNumber(text).value_or(StrToDbl(text));
    params.*part->nearest = nearest;
    params.*part->exact = ExactPartOfText(text, nearest);
}

// Where a rendering's parameters start when it is chosen, as text and value.
const QString kRenderingStartText = QStringLiteral("0.100");
constexpr double kRenderingStartValue = 0.1;
const QString kChebyshevStartText = QStringLiteral("5");
constexpr double kChebyshevStartOrder = 5.0;

}  // namespace

bool PanelShown::Shows(PanelField field) const {
    switch (field) {
        case PanelField::kJuliaX:
        case PanelField::kJuliaY:
            return Julia;
        case PanelField::kP1:
            return P1;
        case PanelField::kP2:
            return P2;
        case PanelField::kP3:
            return P3;
        default:
            return true;
    }
}

PanelShown ShownFields(int32_t equationCode, int32_t renderingCode, bool juliaMode) {
    return PanelShown{.P1 = renderingCode != kLevelSetRendering,
                      .P2 = UsesP2(renderingCode),
                      .P3 = equationCode == kChebyshevEquation,
                      .Func1 = UsesFunc1(renderingCode),
                      .Func2 = UsesFunc2(renderingCode),
                      .Julia = juliaMode};
}

std::vector<FieldStart> EquationStarts(int32_t equationCode) {
    if (equationCode != kChebyshevEquation) return {};
    return {{PanelField::kP3, kChebyshevStartText, kChebyshevStartOrder}};
}

std::vector<FieldStart> RenderingStarts(int32_t renderingCode) {
    const PanelShown shown = ShownFields(-1, renderingCode, false);
    std::vector<FieldStart> starts;
    if (shown.P1) starts.push_back({PanelField::kP1, kRenderingStartText, kRenderingStartValue});
    if (shown.P2) starts.push_back({PanelField::kP2, kRenderingStartText, kRenderingStartValue});
    return starts;
}

void StoreStart(const FieldStart& start, FractalParams& params) {
    params.*RuleOf(start.field).decimal = start.value;
}

std::optional<QString> CheckPanel(const PanelTexts& texts, const PanelShown& shown, FractalParams& params) {
    if (auto message = BlankMessage(texts.equation, "Equation")) return message;
    if (auto message = BlankMessage(texts.rendering, "Rendering")) return message;
    for (const PanelField field : kBlankOrder) {
        if (!shown.Shows(field)) continue;
        if (auto message = BlankMessage(texts[field], RuleOf(field).blankName)) return message;
    }
    if (shown.Func1) {
        if (auto message = BlankMessage(texts.func1, "Func 1")) return message;
    }
    if (shown.Func2) {
        if (auto message = BlankMessage(texts.func2, "Func 2")) return message;
    }
    for (int index = 0; index < kPanelFieldCount; ++index) {
        const PanelField field = AllFields(index);
        if (!shown.Shows(field)) continue;
        const FieldRule& rule = RuleOf(field);
        const QString text = texts[field].trimmed();
        if (!PassesCheck(field, text, rule.allowed)) {
            return InvalidValueMessage(QString::fromLatin1(rule.checkName));
        }
        if (rule.readByCheck) params.*rule.decimal = StrToDbl(text);
    }
    return std::nullopt;
}

PanelTexts ShownPanel(const FractalParams& params, const PanelTexts& panel) {
    PanelTexts texts = panel;
    const auto select = [](const QStringList& captions, int32_t position, int32_t& shown, QString& caption) {
        if (position < 0 || position >= captions.size()) return;
        shown = position;
        caption = captions[position];
    };
    select(EquationCaptions(), EquationPosition(params.BaseEquation()), texts.equationPosition,
           texts.equation);
    select(RenderingCaptions(), RenderingPosition(params.Rendering), texts.renderingPosition,
           texts.rendering);
    if (UsesFunc1(params.Rendering))
        select(FunctionCaptions(), params.Func1, texts.func1Position, texts.func1);
    if (UsesFunc2(params.Rendering))
        select(FunctionCaptions(), params.Func2, texts.func2Position, texts.func2);
    for (int index = 0; index < kPanelFieldCount; ++index) {
        texts.fields[static_cast<size_t>(index)] = FieldText(AllFields(index), params);
    }
    return texts;
}

void ReadPanel(const PanelTexts& texts, const PanelShown& shown, bool juliaMode, FractalParams& params) {
    params.EqnType = static_cast<int16_t>(EqnCode(texts.equationPosition) + (juliaMode ? kJuliaOffset : 0));
    params.Rendering = RendCode(texts.renderingPosition);
    for (int index = 0; index < kPanelFieldCount; ++index) {
        const FieldRule& rule = kRules[static_cast<size_t>(index)];
        if (rule.readByCheck) continue;
        const QString& text = texts.fields[static_cast<size_t>(index)];
        if (rule.whole != nullptr) {
            params.*rule.whole = ParseInt32(text).value_or(params.*rule.whole);
        } else {
            StoreDecimal(AllFields(index), text, params);
        }
    }
    params.Func1 = shown.Func1 ? texts.func1Position : 0;
    params.Func2 = shown.Func2 ? texts.func2Position : 0;
}

std::optional<QString> StoreFieldText(PanelField field, const QString& text, FractalParams& params) {
    const FieldRule& rule = RuleOf(field);
    if (text.isEmpty()) return std::nullopt;
    if (rule.whole == nullptr) {
        StoreDecimal(field, text, params);
        return std::nullopt;
    }
    const std::optional<int32_t> value = ParseInt32(text);
    if (!value) return InvalidValueMessage(QString::fromLatin1(rule.checkName));
    params.*rule.whole = *value;
    return std::nullopt;
}

QString FieldText(PanelField field, const FractalParams& params) {
    const FieldRule& rule = RuleOf(field);
    if (rule.whole != nullptr) return QString::number(params.*rule.whole);
    // The order of Chebyshev shows as the whole number it is used as.
    if (field == PanelField::kP3) return FormatNum(std::nearbyint(params.Parm3 + 0.1), 0);
    // A deep location shows in full.
    if (const LocationPart* part = LocationPartOf(field)) {
        if (ExactPartAddsToDouble(params.*part->exact, params.*part->nearest)) return params.*part->exact;
    }
    if (field == PanelField::kMagnify && params.TotalMagnify >= kExponentFormFrom) {
        return ShortestExponentText(params.TotalMagnify);
    }
    return FormatNum(params.*rule.decimal, rule.decimals);
}

}  // namespace zenphra::app
