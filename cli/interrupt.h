// Ctrl-C or SIGTERM while plotting: the first one asks the library to stop at the current row, through
// the poll it asks for Escape, so that the image is still saved and can be resumed. A second Ctrl-C ends
// the program at once; SIGTERM, which render farms send to stop a task (Slurm at a time limit or a
// preemption, GNU Parallel when it is stopped), is never the end by itself: a farm that sends it again
// before it kills the task must not cut the save short.
#pragma once

namespace zenphra::cli {

// Installs the handlers for SIGINT and SIGTERM and the library's abort poll (which must be bound).
void StopPlotOnInterrupt();

// Whether Ctrl-C or SIGTERM came since StopPlotOnInterrupt, so that work between plots stops too.
bool InterruptRequested();

}  // namespace zenphra::cli
