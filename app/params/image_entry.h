// An image as a parameter entry, as zenphra-render --info prints it and the explorer copies it: an entry
// carries no size and no resume row, so its comments tell them. The image history keeps its images the
// same way and reads their sizes back.
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "app/common/fractal_params.h"
#include "app/params/param_entry_writer.h"

namespace zenphra::app {

// The entry's texts: "<W> x <H> pixels" as the first comment and, for a half-finished image, "Resumes at
// row <N>" as the second.
EntryText ImageEntryText(const QString& name, const FractalParams& params,
                         std::optional<int32_t> resumeRow = std::nullopt);

// The size in the first comment of an entry whose name line is given, as ImageEntryText wrote it.
std::optional<QSize> ImageEntrySize(const QStringList& lines, int32_t nameLine);

}  // namespace zenphra::app
