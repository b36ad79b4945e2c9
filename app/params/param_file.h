// The parameter-file operations as the save and load dialogs call them on the selected file. Each one
// reads or writes the whole file at once, shows its own message when it fails, and changes nothing then:
// neither the file nor the parameters.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "app/common/color_map.h"
#include "app/common/fractal_params.h"
#include "app/params/param_entry_reader.h"
#include "app/params/param_entry_scan.h"
#include "app/params/param_entry_writer.h"

namespace zenphra::app {

// The save dialog's list of existing entries; a file that does not exist has none. "Error saving" when
// the file cannot be read.
std::optional<std::vector<EntryName>> ListEntriesForSave(const QString& path);

// The load dialog's list. "The file ... is corrupt." when the file cannot be read or its structure is
// broken, and the same for a header that cannot be read.
std::optional<std::vector<EntryName>> ListEntriesForLoad(const QString& path);
std::optional<EntryHeader> LoadEntryHeader(const QString& path, int32_t nameLine);

// Reads the entry and, only when all of it was read and is supported, makes it current: the parameters,
// the colormap, and palette entries 232 and 233 (the caller then applies the colormap). Otherwise it
// shows "Equation Not Supported", "Rendering Not Supported" or "Error loading" and nothing changes.
EntryReadStatus LoadEntry(const QString& path, int32_t nameLine, FractalParams& params, ColorMap& colors,
                          PaletteArrays& palette);

// Adds the entry at the end of the file, creating the file when there is none. "Error writing" on failure.
bool AppendEntry(const QString& path, const EntryText& text, const FractalParams& params,
                 const PaletteArrays& palette);

// Writes the entry in place of the one whose name line is given, keeping every other byte of the file.
// "Error writing" on failure.
bool ReplaceEntry(const QString& path, int32_t nameLine, const EntryText& text, const FractalParams& params,
                  const PaletteArrays& palette);

}  // namespace zenphra::app
