// Window positions between runs, kept in the settings store under the window's name. Positions are
// kept only on screens of more than 96 logical pixels per inch (large fonts), where windows do not come
// up where they were designed to; elsewhere nothing is written or restored.
#pragma once

#include <QString>
#include <optional>

#include "app/shell/reg_settings.h"

namespace zenphra::app {

struct FormPosition {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;

    bool operator==(const FormPosition&) const = default;
};

void SaveFormPosition(const CRegSettings& store, const QString& windowName, const FormPosition& position,
                      bool largeFonts);

// The stored position, or nothing: without large fonts, when none was stored (no "Left" value), or
// when a stored value is not a number.
std::optional<FormPosition> RestoreFormPosition(const CRegSettings& store, const QString& windowName,
                                                bool largeFonts);

}  // namespace zenphra::app
