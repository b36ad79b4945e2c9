// The parameter-file operations as the save and load dialogs and the renderer call them on a file. Each
// one reads or writes the whole file at once and reports how it went without showing a message (the
// caller knows which message fits); when it fails it changes nothing: neither the file nor the
// parameters.
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

// The save dialog's list of existing entries; a file that does not exist has none. Nothing when the
// file cannot be read.
std::optional<std::vector<EntryName>> ListEntriesForSave(const QString& path);

// The load dialog's list. Nothing when the file cannot be read or its structure is broken (corrupt), and
// the same for a header that cannot be read.
std::optional<std::vector<EntryName>> ListEntriesForLoad(const QString& path);
std::optional<EntryHeader> LoadEntryHeader(const QString& path, int32_t nameLine);

// Reads the entry over a copy of `current`; a file that cannot be read is faulty.
EntryReadResult ReadEntryFile(const QString& path, int32_t nameLine, const EntryValues& current);

// Makes an entry that was read current: the parameters, the colormap, and palette entries 232 and 233
// (the caller then applies the colormap to the ranges).
void TakeEntry(const EntryValues& entry, FractalParams& params, ColorMap& colors, PaletteArrays& palette);

// Reads the entry and, only when all of it was read and is supported, takes it; otherwise nothing
// changes.
EntryReadStatus LoadEntry(const QString& path, int32_t nameLine, FractalParams& params, ColorMap& colors,
                          PaletteArrays& palette);

// Adds the entry at the end of the file, creating the file when there is none. False when the file
// could not be read or written; it is then as it was.
bool AppendEntry(const QString& path, const EntryText& text, const FractalParams& params,
                 const PaletteArrays& palette);

// Writes the entry in place of the one whose name line is given, keeping every other byte of the file.
// False when the file could not be read or written, or has no such line; it is then as it was.
bool ReplaceEntry(const QString& path, int32_t nameLine, const EntryText& text, const FractalParams& params,
                  const PaletteArrays& palette);

}  // namespace zenphra::app
