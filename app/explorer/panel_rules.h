// The parameter panel's rules, apart from its widgets: which fields an equation, a rendering and the
// Julia mode show, where choosing an entry starts the fields it shows, the checks Plot runs on what was
// typed, and how the texts become parameters. The explorer window and the command-line renderer both
// follow them.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "app/common/fractal_params.h"

namespace zenphra::app {

// The panel's text fields, in the order of the character checks.
enum class PanelField {
    kCx,
    kCy,
    kAngle,
    kMagnify,
    kLimitValue,
    kMaxIter,
    kSkipIter,
    kJuliaX,
    kJuliaY,
    kP1,
    kP2,
    kP3,
};
inline constexpr int kPanelFieldCount = 12;

// Which of the fields and lists that come and go the panel shows; the others are always shown.
struct PanelShown {
    bool P1 = false;
    bool P2 = false;
    bool P3 = false;
    bool Func1 = false;
    bool Func2 = false;
    bool Julia = false;

    bool Shows(PanelField field) const;
    bool operator==(const PanelShown&) const = default;
};

// P1 for every rendering but "Level Set", P2 and the function lists for the renderings that use them,
// P3 for Chebyshev, the Julia constant in Julia mode.
PanelShown ShownFields(int32_t equationCode, int32_t renderingCode, bool juliaMode);

// A field that choosing an entry fills in: the text it shows and the value behind it.
struct FieldStart {
    PanelField field;
    QString text;
    double value;
};

// Choosing Chebyshev starts its order P3 at 5; the other equations start nothing.
std::vector<FieldStart> EquationStarts(int32_t equationCode);
// Choosing a rendering starts P1 and P2 at 0.1 where it uses them (its function lists start at "ident").
std::vector<FieldStart> RenderingStarts(int32_t renderingCode);

// Stores a started value into its parameter.
void StoreStart(const FieldStart& start, FractalParams& params);

// What the panel holds: the list selections and the field texts as typed.
struct PanelTexts {
    QString equation;  // the list's text
    QString rendering;
    QString func1;
    QString func2;
    int32_t equationPosition = -1;
    int32_t renderingPosition = -1;
    int32_t func1Position = -1;
    int32_t func2Position = -1;
    std::array<QString, kPanelFieldCount> fields;

    QString& operator[](PanelField field) { return fields[static_cast<size_t>(field)]; }
    const QString& operator[](PanelField field) const { return fields[static_cast<size_t>(field)]; }
};

// The checks before a plot: blank checks in the panel's reading order, then the character checks, which
// also read the Julia constant and P1 to P3 into the parameters as each passes. Returns the message of
// the first check that fails.
std::optional<QString> CheckPanel(const PanelTexts& texts, const PanelShown& shown, FractalParams& params);

// The panel as it shows the parameters: every field's text, and each list at the entry the parameters
// name. A list keeps its selection where they name no entry of it (an unknown code, a hidden function
// list), as the panel does.
PanelTexts ShownPanel(const FractalParams& params, const PanelTexts& panel);

// Reads the checked panel into the parameters: the equation code (with the Julia offset in Julia mode),
// the rendering, the numbers of the always-shown fields, and the function positions (0 for a hidden
// list).
void ReadPanel(const PanelTexts& texts, const PanelShown& shown, bool juliaMode, FractalParams& params);

// Stores a field's text when the focus leaves it: nothing for an empty text; a whole number that does not
// fit keeps the old value and returns its message. The centre and the magnification keep every digit
// typed beyond their doubles.
std::optional<QString> StoreFieldText(PanelField field, const QString& text, FractalParams& params);

// The texts the panel shows for the parameters, each with its own number of decimals; a deep location
// in full, and magnifications from 1e15 up in exponent form ("2.5e+45").
QString FieldText(PanelField field, const FractalParams& params);

}  // namespace zenphra::app
