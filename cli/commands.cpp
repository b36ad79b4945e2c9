#include "cli/commands.h"

#include <QFileInfo>
#include <cstdio>

#include "app/common/engine_api.h"
#include "app/common/text_lines.h"
#include "app/explorer/display_factor.h"
#include "app/explorer/plot_call.h"
#include "app/imagefiles/err_check.h"
#include "app/imagefiles/image_save.h"
#include "app/params/param_entry_writer.h"
#include "app/params/param_file.h"
#include "cli/console.h"
#include "cli/input_files.h"
#include "cli/interrupt.h"
#include "cli/progress.h"

namespace zenphra::cli {
namespace {

// Plots rows from `startY` on as the explorer does, one library call a row, and saves the image with the
// row its plot would do next, so that an image stopped with Ctrl-C is saved to be resumed.
ExitStatus PlotAndSave(const app::FractalParams& params, int32_t startY, const app::PaletteArrays& palette,
                       const CommandLine& line) {
    const int32_t imageFactor = app::ComputeDisplayFactor(params.HorRes, params.VertRes).ImageFactor;
    if (app::ErrCheck(app::InitPlotWith(params, startY, imageFactor), QString())) return kNotWritten;

    StopPlotOnInterrupt();
    PlotProgress progress(ProgressStyleFor(line.quiet), startY, params.VertRes);
    int32_t row = startY;
    for (; row < params.VertRes; ++row) {
        if (app::Engine().PlotFractal(row) == ZENPHRA_ABORTED) break;
        progress.RowsDone(row + 1);
    }
    progress.Finish();

    const int32_t savedStartY = app::StartYToSave(row, params.VertRes);
    if (app::ErrCheck(app::SaveImageFile(line.output, params, savedStartY, palette), line.output)) {
        return kNotWritten;
    }
    if (row == params.VertRes) return kFinished;
    if (!line.quiet) {
        std::fprintf(stderr, "%s: stopped at row %d of %d and saved \"%s\"; --resume continues it\n",
                     kProgramName, row, params.VertRes, qPrintable(line.output));
    }
    return kInterrupted;
}

void PrintBytes(const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

}  // namespace

bool BuildSetup(const CommandLine& line, RenderSetup& setup, app::PaletteArrays& palette) {
    switch (line.source) {
        case Source::kParameterEntry:
            if (!LoadNamedEntry(line.input, line.entryName, setup, palette)) return false;
            break;
        case Source::kImage: {
            const auto record = ReadSavedImage(line.input);
            if (!record) return false;
            setup = SetupOfImage(*record, palette);
            break;
        }
        case Source::kDefaults:
            break;
    }
    return ApplyFieldSettings(line.settings, setup);
}

ExitStatus RenderImage(const CommandLine& line, app::PaletteArrays& palette) {
    RenderSetup setup;
    if (!BuildSetup(line, setup, palette)) return kBadInput;
    ApplyColors(setup, palette);
    return PlotAndSave(setup.params, 0, palette, line);
}

ExitStatus ResumeImage(const CommandLine& line, app::PaletteArrays& palette) {
    const auto record = ReadSavedImage(line.input);
    if (!record) return kBadInput;
    const RenderSetup setup = SetupOfImage(*record, palette);
    ApplyColors(setup, palette);
    // A finished image has nothing left to plot and is only saved again.
    const app::ResumePoint resume = app::ResumePointOf(*record);
    return PlotAndSave(setup.params, resume.Done ? resume.PlotRow : resume.StartY, palette, line);
}

ExitStatus PrintImageEntry(const CommandLine& line, app::PaletteArrays& palette) {
    const auto record = ReadSavedImage(line.input);
    if (!record) return kBadInput;
    const RenderSetup setup = SetupOfImage(*record, palette);
    ApplyColors(setup, palette);
    const QFileInfo file(line.input);
    const QString baseName = file.completeBaseName().trimmed();
    app::EntryText text;
    text.name = baseName.isEmpty() ? file.fileName() : baseName;
    PrintBytes(app::JoinLinesCrLf(app::EntryLines(text, setup.params, palette)));
    return kFinished;
}

ExitStatus PrintEntryNames(const CommandLine& line) {
    const auto entries = app::ListEntriesForLoad(line.input);
    if (!entries) return kBadInput;
    QByteArray names;
    for (const app::EntryName& entry : *entries) names += entry.name.toLocal8Bit() + '\n';
    PrintBytes(names);
    return kFinished;
}

}  // namespace zenphra::cli
