// The program's first step: its plotting library must lie in the program's own folder and offer every
// export, or the program cannot run at all.
#pragma once

#include <QString>

namespace zenphra::app {

// Binds the library at `libraryPath` (see engine_api.h). When the file is missing, cannot be loaded or
// lacks an export, shows the fatal message naming the path (critical icon) and returns false; the caller
// then ends the program.
bool CheckEngineLibrary(const QString& libraryPath);

}  // namespace zenphra::app
