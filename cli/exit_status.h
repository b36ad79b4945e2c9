// What the renderer's exit status tells a script.
#pragma once

#include <cstdint>

#include "zenphra.h"

namespace zenphra::cli {

enum ExitStatus : int {
    kFinished = 0,
    kBadInput = 1,      // bad arguments, an input file that cannot be read or used, a place not drawn
    kNotWritten = 2,    // the image could not be made or its file could not be written
    kInterrupted = 130  // stopped with Ctrl-C; the image was saved and can be resumed
};

// The status of a plot the library would not start: a place or depth it does not draw is the
// arguments' fault, and the same command would fail again.
inline ExitStatus StatusOfUnstartedPlot(int32_t code) {
    return code == ZENPHRA_BAD_LOCATION || code == ZENPHRA_NO_DEEP_FORM ? kBadInput : kNotWritten;
}

}  // namespace zenphra::cli
