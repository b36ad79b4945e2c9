// How rows are plotted. Normally in vector lanes on worker threads, with only the changed displayed row
// redrawn; forced plain, one pixel at a time on the calling thread with the whole bitmap redrawn after
// every row, as a reference to compare the fast way against. ZENPHRA_SCALAR=1 forces the plain way.
#pragma once

namespace zenphra {

bool PlainPlotForced();
void ForcePlainPlot(bool plain);

// Whether the fast plot may finish an orbit that comes back exactly to an earlier value at once. On,
// unless turned off to measure the arithmetic alone.
bool RepeatShortcutAllowed();
void AllowRepeatShortcut(bool allowed);

}  // namespace zenphra
