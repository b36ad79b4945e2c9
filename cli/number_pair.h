// A point of the complex plane as the command line gives it: "RE,IM", such as -0.75,0.1.
#pragma once

#include <QString>
#include <optional>
#include <utility>

namespace zenphra::cli {

// The two numbers, or nothing when the text is not two numbers with a comma between them.
std::optional<std::pair<double, double>> ParsePair(const QString& text);

}  // namespace zenphra::cli
