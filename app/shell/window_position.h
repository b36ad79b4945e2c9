// Where a window stood, kept between runs as form_position.h keeps it: in twips, under the window's
// object name, and only on screens of more than 96 logical pixels per inch.
#pragma once

#include <QWidget>

#include "app/shell/reg_settings.h"

namespace zenphra::app {

// Called when the window closes.
void SaveWindowPosition(const QWidget& window, const CRegSettings& store);

// Called when the window is first shown: moves it to where it stood, when a position is kept.
void RestoreWindowPosition(QWidget& window, const CRegSettings& store);

}  // namespace zenphra::app
