// Files left behind by saves that were cut off. The library writes an image file under a hidden name
// beside it (".zenphra-<process>-<n>.tmp") and renames it only once it is complete, and the join writes
// its own (".zenphra-join-XXXXXX.tmp"); a task killed meanwhile, as Slurm kills one that outlives its
// time limit, leaves that file behind.
#pragma once

#include <QString>
#include <QStringList>

#include "app/imagefiles/fractal_text.h"

namespace zenphra::cli {

// Removes, from the folders given, the left-behind files of the image `image` describes: those whose
// header carries its parameters and colours (with any resume row), and empty ones untouched for a
// minute, which no save still running leaves. Files of other images are left alone, as a save of
// theirs may still be under way. Returns the names of the files removed.
QStringList RemoveLeftovers(const QStringList& folders, const app::FractalTextRecord& image);

}  // namespace zenphra::cli
