// The renderer's commands. The library must be bound and hold the palette's addresses.
#pragma once

#include "app/common/color_map.h"
#include "cli/command_line.h"
#include "cli/exit_status.h"
#include "cli/render_setup.h"

namespace zenphra::cli {

// The image a render starts from, its source with the field settings over it. False after a message.
bool BuildSetup(const CommandLine& line, RenderSetup& setup, app::PaletteArrays& palette);

// Plots a new image from its source and field settings and saves it.
ExitStatus RenderImage(const CommandLine& line, app::PaletteArrays& palette);

// Plots the rows a saved image still lacks, from the row it was stopped at, and saves it.
ExitStatus ResumeImage(const CommandLine& line, app::PaletteArrays& palette);

// Prints a saved image's parameters and colours as a parameter-file entry named after the file, with
// CR LF line ends, ready to be appended to a parameter file. Its comments give the image's size and,
// for a half-finished image, the row its plot resumes at.
ExitStatus PrintImageEntry(const CommandLine& line, app::PaletteArrays& palette);

// Prints the entry names of a parameter file, one a line.
ExitStatus PrintEntryNames(const CommandLine& line);

}  // namespace zenphra::cli
