// Ctrl-C while plotting: the first one asks the library to stop at the current row, through the poll it
// asks for Escape, so that the image is still saved and can be resumed; the second ends the program at
// once.
#pragma once

namespace zenphra::cli {

// Installs the handler for SIGINT and the library's abort poll (which must be bound).
void StopPlotOnInterrupt();

// Whether Ctrl-C was pressed since StopPlotOnInterrupt, so that work between plots stops too.
bool InterruptRequested();

}  // namespace zenphra::cli
