// One strip of a poster, for a task of a render farm: the rows of --strip K/N plotted into a file of
// their own, NAME-strip-K-of-N.png beside --output NAME.png. The file is an image file of the whole
// poster, its parameters, colours and size, with only the strip's rows plotted and the row after them
// as its resume row, so that the explorer opens it and --join checks and joins it. The library must be
// bound and hold the palette's addresses.
#pragma once

#include "app/common/color_map.h"
#include "cli/command_line.h"
#include "cli/exit_status.h"

namespace zenphra::cli {

// A strip found finished is kept as it is, a half-finished one is continued from its resume row, and
// any other file of that name is plotted anew. Ctrl-C or SIGTERM saves the strip half-finished and
// returns kInterrupted; nothing is written when an option or the start view cannot be used.
ExitStatus RenderStrip(const CommandLine& line, app::PaletteArrays& palette);

}  // namespace zenphra::cli
