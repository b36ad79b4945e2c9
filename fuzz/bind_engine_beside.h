// Fuzz targets that read numbers go through the plotting library, as the program does; the fuzz build
// puts the library beside them.
#pragma once

namespace zenphra::app {

// Binds the library next to the running program, or ends the run when it cannot.
void BindEngineBeside(const char* programPath);

}  // namespace zenphra::app
