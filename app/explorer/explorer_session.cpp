#include "app/explorer/explorer_session.h"

#include "app/colormaps/palette_colors.h"
#include "app/explorer/picture_geometry.h"
#include "app/params/param_file.h"

namespace zenphra::app {

PanelShown ExplorerSession::Shown() const {
    return ShownFields(params.BaseEquation(), params.Rendering, JuliaMode);
}

bool ExplorerSession::Idle() const {
    return !RunActive && !flags.ZoomMode && !flags.SwitchMode && !flags.FileBusy && !flags.EditorOpen;
}

void ExplorerSession::FieldEdited(PanelField field) {
    if (flags.Loading) return;
    const bool pickWrites = field == PanelField::kCx || field == PanelField::kCy ||
                            field == PanelField::kJuliaX || field == PanelField::kJuliaY;
    if (flags.SwitchMode && pickWrites) return;
    StartY = 0;
}

std::optional<std::vector<FieldStart>> ExplorerSession::EquationChosen(int32_t code) {
    if (flags.Loading) return std::nullopt;
    StartY = 0;
    std::vector<FieldStart> starts = EquationStarts(code);
    for (const FieldStart& start : starts) StoreStart(start, params);
    // The list shows the base equation; Plot adds the Julia offset again from the mode.
    params.EqnType = static_cast<int16_t>(code);
    return starts;
}

std::optional<std::vector<FieldStart>> ExplorerSession::RenderingChosen(int32_t code) {
    if (flags.Loading) return std::nullopt;
    StartY = 0;
    std::vector<FieldStart> starts = RenderingStarts(code);
    for (const FieldStart& start : starts) StoreStart(start, params);
    const PanelShown shown = ShownFields(params.BaseEquation(), code, JuliaMode);
    if (shown.Func1) params.Func1 = 0;
    if (shown.Func2) params.Func2 = 0;
    params.Rendering = code;
    return starts;
}

void ExplorerSession::FunctionChosen(int32_t FractalParams::*function, int32_t position) {
    if (flags.Loading) return;
    StartY = 0;
    params.*function = position;
}

PlotStart ExplorerSession::PlotKind() const {
    if (flags.FileBusy || RunActive) return PlotStart::kNothing;
    // A stopped image resumes where it stopped unless something that shapes it has changed since.
    if (StartY != 0 && !flags.NewPlot && !flags.UndoRequested) return PlotStart::kResume;
    return PlotStart::kReadPanel;
}

void ExplorerSession::TakePlotSnapshots() {
    if (flags.UndoRequested) {
        // The panel's parameters become the shown image's, and the previous image comes back.
        snapshots.SaveShown(params, palette);
        snapshots.Swap();
        snapshots.RestoreShown(params, palette);
        // The colour editor starts from these two, so they must be the restored image's as well.
        colors.MaxIterColor = PaletteColor(palette, kMaxIterEntry);
        colors.BgColor = PaletteColor(palette, kBackgroundEntry);
        StartY = 0;
        flags.NewPlot = true;
        flags.UndoRequested = false;
    } else if (StartY != 0) {
        // A stopped image read again after an Undo goes on; the image before it stays the previous one.
        snapshots.SaveShown(params, palette);
    } else {
        snapshots.Swap();
        snapshots.SaveShown(params, palette);
    }
}

void ExplorerSession::RunStarting() {
    flags.Plotting = true;
    RunActive = true;
}

void ExplorerSession::RunInitialised(int32_t result) {
    if (result > 0) Bitmap = result;
    if (result < 0) return;
    EngineHoldsImage = true;
    ImagePresent = true;
}

void ExplorerSession::PauseRequested() {
    flags.Plotting = false;
    flags.Loading = true;
}

bool ExplorerSession::RunEnded(RunEnd end, int32_t stopRow) {
    switch (end) {
        case RunEnd::kDone:
            StartY = 0;
            PlotRow = params.VertRes;
            break;
        case RunEnd::kPaused:
        case RunEnd::kEscaped:
            StartY = stopRow;
            PlotRow = stopRow;
            break;
        case RunEnd::kInitFailed:
            ImageReleased();
            break;
    }
    flags.Plotting = false;
    flags.Loading = false;
    RunActive = false;
    // An image plotted to its end or stopped joins the history.
    return end != RunEnd::kInitFailed && history.Add(params, palette);
}

void ExplorerSession::ImageLoaded(const LoadedImage& image) {
    params = image.Params;
    colors = image.Colors;
    Bitmap = image.Bitmap;
    StartY = image.Resume.StartY;
    PlotRow = image.Resume.PlotRow;
    ImagePresent = true;
    EngineHoldsImage = true;
    SetSize(params.HorRes, params.VertRes);
}

void ExplorerSession::TakeImage(const EntryValues& image) {
    TakeEntry(image, params, colors, palette);
    ApplyColormap(colors, params.NumRanges);
    StartY = 0;
    SetSize(params.HorRes, params.VertRes);
}

void ExplorerSession::ZoomAbout(QPointF position, double factor) {
    params = ZoomedAbout(params, shown, position, factor);
    StartY = 0;
}

void ExplorerSession::ForgetImage() {
    StartY = 0;
    PlotRow = 0;
    ImagePresent = false;
    Bitmap = 0;
}

void ExplorerSession::ImageReleased() {
    // A failed start releases the library's old image too.
    EngineHoldsImage = false;
    ForgetImage();
}

void ExplorerSession::SetSize(int32_t horRes, int32_t vertRes) {
    params.HorRes = horRes;
    params.VertRes = vertRes;
    shown = ComputeDisplayFactor(horRes, vertRes);
    zoom.FitTo(shown);
}

void ExplorerSession::SetRanges(int32_t numRanges) {
    params.NumRanges = numRanges;
    ApplyColormap(colors, numRanges);
    StartY = 0;
}

void ExplorerSession::ShowZoomBox() {
    zoom.Start(params, shown, StartY);
    flags.ZoomMode = true;
}

void ExplorerSession::ApplyZoom() {
    zoom.ApplyTo(params);
    StartY = 0;
    flags.ZoomMode = false;
}

void ExplorerSession::CancelZoom() {
    zoom.RestoreTo(params);
    StartY = zoom.SavedRow();
    flags.ZoomMode = false;
}

void ExplorerSession::StartSwitch() {
    flags.SwitchMode = true;
    flags.ZoomMode = false;
    pick.Start(params, shown);
}

void ExplorerSession::TakeSwitch() {
    if (JuliaMode) {
        SwitchToSet(params);
    } else {
        SwitchToJulia(params, pick.Picked());
    }
    flags.SwitchMode = false;
    StartY = 0;
}

void ExplorerSession::CancelSwitch() { flags.SwitchMode = false; }

}  // namespace zenphra::app
