// What the renderer's exit status tells a script.
#pragma once

namespace zenphra::cli {

enum ExitStatus : int {
    kFinished = 0,
    kBadInput = 1,      // bad arguments, or an input file that cannot be read or used
    kNotWritten = 2,    // the image could not be made or its file could not be written
    kInterrupted = 130  // stopped with Ctrl-C; the image was saved and can be resumed
};

}  // namespace zenphra::cli
