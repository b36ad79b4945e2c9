// The program's message presenter: every message (see messages.h) as a modal message box over the
// active window.
#pragma once

namespace zenphra::app {

void InstallMessageBoxPresenter();

}  // namespace zenphra::app
