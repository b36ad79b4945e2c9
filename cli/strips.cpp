#include "cli/strips.h"

#include "app/common/engine_api.h"
#include "app/common/messages.h"
#include "app/explorer/display_factor.h"
#include "app/explorer/plot_call.h"
#include "app/imagefiles/err_check.h"
#include "app/imagefiles/fractal_text.h"
#include "app/imagefiles/image_save.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/interrupt.h"
#include "cli/progress.h"
#include "cli/saved_rows.h"
#include "cli/strip_choice.h"

namespace zenphra::cli {

ExitStatus RenderStrip(const CommandLine& line, app::PaletteArrays& palette) {
    RenderSetup setup;
    if (!BuildSetup(line, setup, palette)) return kBadInput;
    ApplyColors(setup, palette);
    // Plotted as the file keeps the parameters, as a whole image is, so that the joined strips are the
    // very image a single render makes.
    const app::FractalParams params = app::AsStoredInImage(setup.params, palette);
    const StripChoice& strip = line.strip;
    const QString stripName = QStringLiteral("%1/%2").arg(strip.index).arg(strip.count);
    if (strip.count > MostStrips(params.VertRes)) {
        app::ShowMessage(
            QStringLiteral("--strip: \"%1\" is too many strips: an image of %2 rows is cut into at most %3")
                .arg(stripName)
                .arg(params.VertRes)
                .arg(MostStrips(params.VertRes)));
        return kBadInput;
    }
    if (!app::FractalTextToSave(params, params.VertRes, palette)) return kBadInput;

    const RowSpan rows = StripRows(strip, params.VertRes);
    const QString path = StripPath(line.output, strip);
    const int32_t onDisk = RowsOnDisk(path, app::StoredImageRecord(params, palette));
    if (onDisk == rows.end) {
        PrintNote(line.quiet, QStringLiteral("\"%1\" is finished").arg(path));
        return kFinished;
    }
    // A file that stops inside the strip goes on from there, the library holding its pixels; any other
    // starts a new image.
    const bool continuing = onDisk > rows.first && onDisk < rows.end;
    const int32_t firstRow = continuing ? onDisk : rows.first;
    if (continuing)
        PrintNote(line.quiet, QStringLiteral("continuing \"%1\" at row %2").arg(path).arg(onDisk));
    const int32_t imageFactor = app::ComputeDisplayFactor(params.HorRes, params.VertRes).ImageFactor;
    const int32_t started = app::InitPlotWith(params, continuing ? firstRow : 0, imageFactor);
    if (app::ErrCheck(started, QString())) return StatusOfUnstartedPlot(started);

    StopPlotOnInterrupt();
    const int32_t stripRows = rows.end - rows.first;
    PlotProgress progress(ProgressStyleFor(line.quiet), firstRow - rows.first, stripRows,
                          [&](int32_t rowsDone, double elapsedSeconds) {
                              return QStringLiteral("strip %1: ").arg(stripName) +
                                     ProgressText(rowsDone, stripRows, firstRow - rows.first, elapsedSeconds);
                          });
    int32_t row = firstRow;
    for (; row < rows.end; ++row) {
        if (app::Engine().PlotFractal(row) == ZENPHRA_ABORTED) break;
        progress.RowsDone(row + 1 - rows.first);
    }
    progress.Finish();

    if (!app::SaveImageFile(path, params, row, palette)) return kNotWritten;
    if (row == rows.end) return kFinished;
    PrintNote(line.quiet,
              QStringLiteral("stopped at row %1 of strip %2 (rows %3 to %4) and saved \"%5\"; the same "
                             "command continues it")
                  .arg(row)
                  .arg(stripName)
                  .arg(rows.first)
                  .arg(rows.end - 1)
                  .arg(path));
    return kInterrupted;
}

}  // namespace zenphra::cli
