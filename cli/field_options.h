// The options that set fields of the image (--iters, --center, --colormap ...): their names and help, and
// how they apply. They apply in the order given, each over what came before, so a later one overrides an
// earlier one, and all of them override the file the image starts from.
#pragma once

#include <QString>
#include <vector>

#include "cli/render_setup.h"

namespace zenphra::cli {

struct FieldOption {
    QString name;       // without the leading "--"
    QString valueName;  // what the help shows for the value
    QString help;       // ends with the default
};

// In the order the help lists them.
const std::vector<FieldOption>& FieldOptions();

struct FieldSetting {
    QString name;
    QString value;
};

// Shows "--<name>: "<value>" is not <wanted>" and returns false: how every option refuses a value.
bool RefuseSetting(const FieldSetting& setting, const QString& wanted);

// Applies every setting in order. Choosing another rendering starts the parameters it uses where the
// explorer's panel starts them (P1 and P2 at 0.1, both functions at "ident"), and choosing Chebyshev
// starts P3 at order 5, except for parameters that have a setting of their own anywhere on the command
// line. Shows one message about the first value that cannot be used and returns false.
bool ApplyFieldSettings(const std::vector<FieldSetting>& settings, RenderSetup& setup);

}  // namespace zenphra::cli
