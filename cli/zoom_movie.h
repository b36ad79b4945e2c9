// Zoom movies: the frames from the start view to the view the movie options lead to, plotted one after
// the other in this process, each saved as an image file, then encoded into a video when one is asked
// for. The library must be bound and hold the palette's addresses.
#pragma once

#include "app/common/color_map.h"
#include "cli/command_line.h"
#include "cli/exit_status.h"

namespace zenphra::cli {

// Frames found finished on disk are kept, a half-finished one is continued from its resume row, and the
// others are plotted. Ctrl-C saves the frame in progress half-finished and returns kInterrupted; nothing
// is written when an option or the start view cannot be used.
ExitStatus RenderMovie(const CommandLine& line, app::PaletteArrays& palette);

}  // namespace zenphra::cli
