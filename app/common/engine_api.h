// The plotting library as the program sees it: every export bound by name at run time, so that the
// program can tell the user when the library is missing instead of failing to start.
#pragma once

#include <QString>
#include <QStringList>

#include "zenphra.h"

namespace zenphra::app {

#define ZENPHRA_ENGINE_EXPORTS(X)                                                                      \
    X(PlotFractal)                                                                                     \
    X(PlotJulia)                                                                                       \
    X(DllCleanup)                                                                                      \
    X(StringToDouble)                                                                                  \
    X(SetColorPointers)                                                                                \
    X(SetColorRange)                                                                                   \
    X(SetFractalColors) X(RotateColorRanges) X(WriteFractalFile) X(ReadFractalFile) X(GetFractalText)  \
        X(GetFractalTextLen) X(GetImageSize) X(GetThumbnail) X(GetThumbnailSize) X(SetThumbnailColors) \
            X(SetThumbnailColorRange) X(SetThumbnailColorPointers) X(GetBitmapInfo) X(SetAbortPoll)    \
                X(InitPlotDeep) X(GetPlotPath) X(CountImageIndex) X(WriteFractalFileDeep)              \
                    X(GetFractalLocation) X(GetFractalLocationLen)

struct EngineApi {
#define ZENPHRA_ENGINE_POINTER(name) decltype(&::name) name = nullptr;
    ZENPHRA_ENGINE_EXPORTS(ZENPHRA_ENGINE_POINTER)
#undef ZENPHRA_ENGINE_POINTER
};

// Where the library must lie: in the program's own folder.
QString EngineLibraryPath();

// Loads the library file and binds every export by name; the library stays loaded for the rest of the
// run. Returns the names that could not be bound: none on success, all of them when the file cannot be
// loaded. Exports that were found are usable even when others are missing.
QStringList BindEngine(const QString& libraryPath);

// The bound exports. Before BindEngine every pointer is null.
const EngineApi& Engine();

}  // namespace zenphra::app
