#include "app/explorer/explorer_session.h"

#include "app/colormaps/palette_colors.h"
#include "app/common/engine_api.h"
#include "app/common/list_tables.h"
#include "app/explorer/picture_geometry.h"
#include "app/params/param_file.h"

namespace zenphra::app {
namespace {

// The new set or Julia set of a switch is plotted small first.
constexpr int32_t kSwitchWidth = 160;
constexpr int32_t kSwitchHeight = 120;

}  // namespace

PanelShown ExplorerSession::Shown() const {
    return ShownFields(params_.BaseEquation(), params_.Rendering, juliaMode_);
}

void ExplorerSession::Start(const FractalParams& params, bool usingHLS, ImageHistory history) {
    params_ = params;
    NoteCustomSize(params_);
    juliaMode_ = params_.JuliaMode();
    usingHLS_ = usingHLS;
    history_ = std::move(history);
    SetSize(params_.HorRes, params_.VertRes);
    Engine().SetColorPointers(palette_.PalRed.data(), palette_.PalGrn.data(), palette_.PalBlu.data());
    ApplyColormap(colors_, params_.NumRanges);
    snapshots_.SavePrevious(params_, palette_);
    snapshots_.SaveShown(params_, palette_);
}

bool ExplorerSession::FirstPainted(PackedColor background) {
    if (!firstPaint_) return false;
    firstPaint_ = false;
    SetPaletteColor(palette_, kNotPlottedEntry, background);
    return true;
}

std::optional<QString> ExplorerSession::FieldLeft(PanelField field, const QString& text) {
    return StoreFieldText(field, text, params_);
}

std::vector<FieldStart> ExplorerSession::EquationChosen(int32_t code) {
    startY_ = 0;
    const std::vector<FieldStart> starts = EquationStarts(code);
    for (const FieldStart& start : starts) StoreStart(start, params_);
    // The list shows the base equation; the mode stays as it is.
    params_.EqnType = static_cast<int16_t>(code + (juliaMode_ ? kJuliaOffset : 0));
    return starts;
}

std::vector<FieldStart> ExplorerSession::RenderingChosen(int32_t code) {
    startY_ = 0;
    const std::vector<FieldStart> starts = RenderingStarts(code);
    for (const FieldStart& start : starts) StoreStart(start, params_);
    const PanelShown shown = ShownFields(params_.BaseEquation(), code, juliaMode_);
    if (shown.Func1) params_.Func1 = 0;
    if (shown.Func2) params_.Func2 = 0;
    params_.Rendering = code;
    return starts;
}

void ExplorerSession::FunctionChosen(int32_t FractalParams::*function, int32_t position) {
    startY_ = 0;
    params_.*function = position;
}

std::optional<QString> ExplorerSession::CheckPanel(const PanelTexts& panel) {
    FractalParams checked = params_;
    if (std::optional<QString> message = zenphra::app::CheckPanel(panel, Shown(), checked)) return message;
    params_ = checked;
    return std::nullopt;
}

void ExplorerSession::DefaultCoordinatesChosen() { MoveTo(PlaneView{}); }

PlotOrder ExplorerSession::Plot(const PanelTexts& panel, PlotRequest request) {
    if (!Idle()) return {};
    // A stopped image resumes where it stopped unless something that shapes it has changed since.
    const bool resume = startY_ != 0 && !newPlot_ && request != PlotRequest::kUndo;
    if (!resume) {
        FractalParams read = params_;
        if (std::optional<QString> message = zenphra::app::CheckPanel(panel, Shown(), read)) {
            return PlotOrder{PlotOrder::Step::kRefused, *message, false};
        }
        // What is plotted is what the panel shows once checked.
        ReadPanel(ShownPanel(read, panel), Shown(), juliaMode_, read);
        params_ = read;
        TakeSnapshots(request);
        if (startY_ == 0) SetSize(params_.HorRes, params_.VertRes);
    }
    activity_ = Activity::kPlotting;
    if (resume) return PlotOrder{PlotOrder::Step::kResume, QString(), false};
    return PlotOrder{PlotOrder::Step::kPanelRead, QString(), startY_ == 0};
}

void ExplorerSession::TakeSnapshots(PlotRequest request) {
    if (request == PlotRequest::kUndo) {
        // The panel's parameters become the shown image's, and the previous image comes back.
        snapshots_.SaveShown(params_, palette_);
        snapshots_.Swap();
        snapshots_.RestoreShown(params_, palette_);
        juliaMode_ = params_.JuliaMode();
        // The colour editor starts from these two, so they must be the restored image's as well.
        colors_.MaxIterColor = PaletteColor(palette_, kMaxIterEntry);
        colors_.BgColor = PaletteColor(palette_, kBackgroundEntry);
        startY_ = 0;
        newPlot_ = true;
    } else if (startY_ != 0) {
        // A stopped image read again after an Undo goes on; the image before it stays the previous one.
        snapshots_.SaveShown(params_, palette_);
    } else {
        snapshots_.Swap();
        snapshots_.SaveShown(params_, palette_);
    }
}

void ExplorerSession::RunInitialised(int32_t result) {
    if (result > 0) bitmap_ = result;
    if (result < 0) return;
    engineHoldsImage_ = true;
    imagePresent_ = true;
}

void ExplorerSession::PauseRequested() {
    if (activity_ == Activity::kPlotting) activity_ = Activity::kStopping;
}

bool ExplorerSession::RunEnded(RunEnd end, int32_t stopRow) {
    switch (end) {
        case RunEnd::kDone:
            startY_ = 0;
            plotRow_ = params_.VertRes;
            break;
        case RunEnd::kPaused:
        case RunEnd::kEscaped:
            startY_ = stopRow;
            plotRow_ = stopRow;
            break;
        case RunEnd::kInitFailed:
            // A failed start releases the library's old image too.
            engineHoldsImage_ = false;
            ForgetImage();
            break;
    }
    activity_ = Activity::kIdle;
    // An image plotted to its end or stopped joins the history.
    return end != RunEnd::kInitFailed && history_.Add(params_, palette_);
}

void ExplorerSession::BandingToggled() {
    params_.Banding = params_.Banding != 0 ? 0 : 1;
    startY_ = 0;
}

void ExplorerSession::ResolutionChosen(int32_t horRes, int32_t vertRes) {
    SetSize(horRes, vertRes);
    ForgetImage();
}

void ExplorerSession::CustomSizeChosen(const CustomResolution& size) {
    params_.CustomHres = size.CustomHres;
    params_.CustomVres = size.CustomVres;
    ResolutionChosen(size.HorRes, size.VertRes);
}

bool ExplorerSession::RangesChosen(int32_t numRanges) {
    params_.NumRanges = numRanges;
    ApplyColormap(colors_, numRanges);
    startY_ = 0;
    if (!imagePresent_) return false;
    if (const int32_t bitmap = Engine().SetFractalColors(); bitmap > 0) bitmap_ = bitmap;
    return true;
}

bool ExplorerSession::DefaultColorsChosen() {
    return DefaultColors(colors_, params_.NumRanges, imagePresent_);
}

ColorEditorContext ExplorerSession::EditorContext(FileLocations& locations, const EditorPlacement& placement,
                                                  std::function<void()> recoloured) {
    return ColorEditorContext{palette_,  colors_,       params_.NumRanges, usingHLS_,
                              locations, imagePresent_, placement,         std::move(recoloured)};
}

ImageLoad ExplorerSession::LoadImage(const QString& path) {
    ImageLoad load = LoadImageFile(path, params_, colors_, palette_);
    if (load.Status == LoadStatus::kImageReplaced) ForgetImage();
    if (load.Status != LoadStatus::kLoaded) return load;
    const LoadedImage& image = load.Image;
    params_ = image.Params;
    colors_ = image.Colors;
    juliaMode_ = params_.JuliaMode();
    bitmap_ = image.Bitmap;
    startY_ = image.Resume.StartY;
    plotRow_ = image.Resume.PlotRow;
    imagePresent_ = true;
    engineHoldsImage_ = true;
    SetSize(params_.HorRes, params_.VertRes);
    return load;
}

void ExplorerSession::EntryLoaded(const EntryValues& entry) {
    TakeEntry(entry, params_, colors_, palette_);
    ApplyColormap(colors_, params_.NumRanges);
    juliaMode_ = params_.JuliaMode();
    newPlot_ = true;
    ForgetImage();
}

bool ExplorerSession::GoBack() {
    const std::optional<EntryValues> image = history_.Back({params_, colors_});
    if (image) TakeImage(*image);
    return image.has_value();
}

bool ExplorerSession::GoForward() {
    const std::optional<EntryValues> image = history_.Forward({params_, colors_});
    if (image) TakeImage(*image);
    return image.has_value();
}

void ExplorerSession::TakeImage(const EntryValues& image) {
    TakeEntry(image, params_, colors_, palette_);
    ApplyColormap(colors_, params_.NumRanges);
    juliaMode_ = params_.JuliaMode();
    startY_ = 0;
    SetSize(params_.HorRes, params_.VertRes);
}

std::optional<QString> ExplorerSession::ShowZoomBox(const PanelTexts& panel) {
    if (std::optional<QString> message = CheckPanel(panel)) return message;
    zoom_.Start(params_, display_);
    activity_ = Activity::kZoomBox;
    return std::nullopt;
}

void ExplorerSession::ApplyZoom() {
    const PlaneView applied = zoom_.Applied();
    // Moved from the image the box was drawn on, whatever the panel showed meanwhile.
    LookAt(zoom_.Started(), params_);
    ZoomBoxTo(params_, display_, applied, zoom_.Centre(), 1.0 / zoom_.Ratio());
    startY_ = 0;
    activity_ = Activity::kIdle;
}

void ExplorerSession::CancelZoom() {
    // The box changed only what the panel showed; the resume row is as whatever else left it.
    LookAt(zoom_.Started(), params_);
    activity_ = Activity::kIdle;
}

std::optional<QString> ExplorerSession::StartSwitch(const PanelTexts& panel) {
    if (std::optional<QString> message = CheckPanel(panel)) return message;
    pick_.Start(params_, display_);
    activity_ = Activity::kJuliaPick;
    return std::nullopt;
}

void ExplorerSession::TakeSwitch() {
    const SwitchedImage switched = juliaMode_ ? SwitchedToSet(params_) : SwitchedToJulia(pick_.Picked());
    juliaMode_ = !juliaMode_;
    params_.EqnType = static_cast<int16_t>(params_.BaseEquation() + (juliaMode_ ? kJuliaOffset : 0));
    params_.JuliaReal = switched.julia.real;
    params_.JuliaImag = switched.julia.imag;
    params_.ItersToSkip = 0;
    MoveTo(switched.view);
    if (params_.HorRes != kSwitchWidth || params_.VertRes != kSwitchHeight) {
        ResolutionChosen(kSwitchWidth, kSwitchHeight);
    }
    activity_ = Activity::kIdle;
}

std::optional<QString> ExplorerSession::WheelTurned(const PanelTexts& panel, QPointF position,
                                                    double factor) {
    if (std::optional<QString> message = CheckPanel(panel)) return message;
    ZoomAbout(params_, display_, position, factor);
    startY_ = 0;
    return std::nullopt;
}

void ExplorerSession::MoveTo(const PlaneView& view) {
    LookAt(view, params_);
    startY_ = 0;
}

void ExplorerSession::SetSize(int32_t horRes, int32_t vertRes) {
    params_.HorRes = horRes;
    params_.VertRes = vertRes;
    display_ = ComputeDisplayFactor(horRes, vertRes);
    zoom_.FitTo(display_);
}

void ExplorerSession::ForgetImage() {
    startY_ = 0;
    plotRow_ = 0;
    imagePresent_ = false;
    bitmap_ = 0;
}

}  // namespace zenphra::app
