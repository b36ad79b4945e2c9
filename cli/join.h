// Joining the strips of a poster into one image file: --join OUT.png STRIP... The strips must be of one
// image (the same parameters, colours and size) and together cover every row exactly once; the joined
// file is then byte for byte the file a single render of the image writes. Anything else is refused with
// one line, and nothing is written. The library must be bound and hold the palette's addresses.
#pragma once

#include "app/common/color_map.h"
#include "cli/command_line.h"
#include "cli/exit_status.h"

namespace zenphra::cli {

// A strip's rows are those it has plotted: from its first plotted row to its resume row, or to the end
// of a finished image. Once the image is written, the files that killed saves of it left behind in the
// strips' and the output's folders are removed.
ExitStatus JoinStrips(const CommandLine& line, app::PaletteArrays& palette);

}  // namespace zenphra::cli
