// Enter on a focused button clicks it, as Space does, in every window and dialog of the program.
#pragma once

namespace zenphra::app {

// Installs the key handling for the whole application; a second call changes nothing.
void InstallEnterClicksButtons();

}  // namespace zenphra::app
