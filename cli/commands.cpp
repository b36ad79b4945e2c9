#include "cli/commands.h"

#include <QFileInfo>
#include <cstdio>
#include <optional>

#include "app/common/engine_api.h"
#include "app/common/text_lines.h"
#include "app/explorer/display_factor.h"
#include "app/explorer/plot_call.h"
#include "app/imagefiles/err_check.h"
#include "app/imagefiles/image_save.h"
#include "app/params/image_entry.h"
#include "app/params/param_file.h"
#include "app/params/param_messages.h"
#include "cli/console.h"
#include "cli/input_files.h"
#include "cli/interrupt.h"
#include "cli/phase_watch.h"
#include "cli/progress.h"

namespace zenphra::cli {
namespace {

// Plots rows from `startY` on as the explorer does, one library call a row, and saves the image with the
// row its plot would do next, so that an image stopped with Ctrl-C is saved to be resumed.
ExitStatus PlotAndSave(const app::FractalParams& params, int32_t startY, const app::PaletteArrays& palette,
                       const CommandLine& line) {
    // An image whose parameters cannot be saved with it is refused before it is plotted; no row is saved
    // with a longer text than the last.
    if (!app::FractalTextToSave(params, params.VertRes, palette)) return kBadInput;
    const int32_t imageFactor = app::ComputeDisplayFactor(params.HorRes, params.VertRes).ImageFactor;
    const int32_t started = app::InitPlotWith(params, startY, imageFactor);
    if (app::ErrCheck(started, QString())) return StatusOfUnstartedPlot(started);

    StopPlotOnInterrupt();
    PlotProgress progress(ProgressStyleFor(line.quiet), startY, params.VertRes);
    int32_t row = startY;
    for (; row < params.VertRes; ++row) {
        {
            // Only the first row can wait for a deep image's reference orbit and table.
            std::optional<PhaseWatch> phases;
            if (row == startY) phases.emplace(ProgressStyleFor(line.quiet));
            if (app::Engine().PlotFractal(row) == ZENPHRA_ABORTED) break;
        }
        progress.RowsDone(row + 1);
    }
    progress.Finish();

    if (!app::SaveImageFile(line.output, params, row, palette)) return kNotWritten;
    ZenphraPlotPath path{};
    if (app::Engine().GetPlotPath(&path) == 1 && path.deep == 1 && !line.quiet) {
        std::fprintf(stderr,
                     "%s: a deep image (%d bits, a reference orbit of %lld iterations, %lld bytes of orbits "
                     "and tables): \"%s\" keeps its centre and magnification in full\n",
                     kProgramName, path.precisionBits, static_cast<long long>(path.referenceIterations),
                     static_cast<long long>(path.bytes), qPrintable(line.output));
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
            const auto image = ReadSavedImage(line.input, palette);
            if (!image) return false;
            setup = SetupOfImage(*image);
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
    // Plotted as the file keeps the parameters, so that the file describes its pixels exactly.
    return PlotAndSave(app::AsStoredInImage(setup.params, palette), 0, palette, line);
}

ExitStatus ResumeImage(const CommandLine& line, app::PaletteArrays& palette) {
    const auto image = ReadSavedImage(line.input, palette);
    if (!image) return kBadInput;
    // A finished image has nothing left to plot and is only saved again.
    const app::ResumePoint& resume = image->Resume;
    return PlotAndSave(image->Params, resume.Done ? resume.PlotRow : resume.StartY, palette, line);
}

ExitStatus PrintImageEntry(const CommandLine& line, app::PaletteArrays& palette) {
    const auto image = ReadSavedImage(line.input, palette);
    if (!image) return kBadInput;
    const QFileInfo file(line.input);
    const QString baseName = file.completeBaseName().trimmed();
    const std::optional<int32_t> resumeRow =
        image->Resume.Done ? std::nullopt : std::optional<int32_t>(image->Resume.StartY);
    const app::EntryText text =
        app::ImageEntryText(baseName.isEmpty() ? file.fileName() : baseName, image->Params, resumeRow);
    PrintBytes(app::JoinLinesCrLf(app::EntryLines(text, image->Params, palette)));
    return kFinished;
}

ExitStatus PrintEntryNames(const CommandLine& line) {
    const auto entries = app::ListEntriesForLoad(line.input);
    if (!entries) {
        app::ShowFileCorrupt(line.input);
        return kBadInput;
    }
    QByteArray names;
    for (const app::EntryName& entry : *entries) names += entry.name.toLocal8Bit() + '\n';
    PrintBytes(names);
    return kFinished;
}

}  // namespace zenphra::cli
