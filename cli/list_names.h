// Finding an entry of the equation, rendering or function list by what a person types: its caption in any
// letter case, with blanks, "-" and "_" counting for nothing ("spiral-symmetry-2"), or its code (for the
// function list, its position).
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace zenphra::cli {

std::optional<int32_t> FindEquation(const QString& text);
std::optional<int32_t> FindRendering(const QString& text);
std::optional<int32_t> FindFunction(const QString& text);

// Every caption with its code, for a message about a name that is none of them:
// "Classic Mandlebrot (0), Pokorny (1), ...".
QString EquationChoices();
QString RenderingChoices();
QString FunctionChoices();

// The caption of a code, for the help text.
QString EquationCaption(int32_t code);
QString RenderingCaption(int32_t code);
QString FunctionCaption(int32_t position);

}  // namespace zenphra::cli
