// The explorer's state apart from its window: the parameters of the image, the row the next plot starts
// at, the colours, the two snapshots behind Undo, what the library holds, and the flags that keep the
// window's handlers from getting in one another's way. Each rule about that state lives here once; the
// window only reads its controls into it and shows what it says.
#pragma once

#include <QPointF>
#include <cstdint>
#include <optional>
#include <vector>

#include "app/common/color_map.h"
#include "app/common/fractal_params.h"
#include "app/common/param_snapshot.h"
#include "app/explorer/control_states.h"
#include "app/explorer/display_factor.h"
#include "app/explorer/image_history.h"
#include "app/explorer/julia_switch.h"
#include "app/explorer/panel_rules.h"
#include "app/explorer/zoom_box.h"
#include "app/imagefiles/image_load.h"

namespace zenphra::app {

struct WindowFlags {
    bool Plotting = false;         // a plot run is going and has not been paused
    bool Loading = false;          // the window fills the panel itself, or a paused run is still stopping
    bool FileBusy = false;         // an image or parameter command is running
    bool EditorOpen = false;       // the colormap editor is open over the window
    bool ZoomMode = false;         // the zoom box is shown
    bool SwitchMode = false;       // a Julia point is being picked
    bool NewPlot = false;          // set by the first Undo: Plot always reads the panel again
    bool UndoRequested = false;    // Undo has asked Plot to bring back the previous image
    bool ResDialogActive = false;  // the custom-resolution choice is being undone
    bool DialogCancelled = false;  // the last of the small dialogs was cancelled
    bool FirstPaint = true;
    bool TutorialShown = false;  // the tutorial window is open and visible
};

// How a plot run ended.
enum class RunEnd {
    kDone,        // the last row was plotted
    kPaused,      // Pause stopped it after a row
    kEscaped,     // Escape stopped it inside a row
    kInitFailed,  // the library could not start the image
};

// What Plot does when it is asked to.
enum class PlotStart {
    kNothing,    // a file command is running, or a run is still going
    kResume,     // a stopped image goes on at its row, without reading the panel
    kReadPanel,  // the panel is checked and read, then plotted
};

class ExplorerSession {
  public:
    // The palette is the program's, whose addresses the library holds.
    explicit ExplorerSession(PaletteArrays& palette) : palette(palette) {}
    FractalParams params;
    ColorMap colors;
    PaletteArrays& palette;
    SnapshotPair snapshots;
    DisplayFactor shown;            // the picture: the library's display bitmap of the image
    int32_t StartY = 0;             // the row the next run starts at; 0 for a new image
    int32_t PlotRow = 0;            // the row the plot would do next; VertRes once the image is complete
    int32_t Bitmap = 0;             // the last display bitmap the library returned; 0 when there is none
    bool ImagePresent = false;      // an image of the current size is shown and can be saved or re-coloured
    bool EngineHoldsImage = false;  // the library holds an image, to be released at shut-down
    bool JuliaMode = false;         // the panel shows a Julia set
    bool RunActive = false;         // a plot run is on the plot runner, from Plot until it has stopped
    bool UsingHLS = false;          // the colour editor's choice, kept between runs
    WindowFlags flags;
    // Which fields the panel shows for the equation and rendering chosen and the mode.
    PanelShown Shown() const;
    // Which controls are enabled now.
    ControlStates Controls() const { return ControlsFor(*this); }
    // Idle: no run, zoom box, Julia pick, file command or colour editor.
    bool Idle() const;
    // The panel's handlers. A text edit and a list choice make the next Plot start a new image, unless
    // the window fills the panel itself (a choice it makes is then no choice at all); the centre and
    // Julia fields are the Julia pick's to write while it runs.
    void FieldEdited(PanelField field);
    // The fields a choice starts, which the panel then shows; nothing when the window made the choice.
    std::optional<std::vector<FieldStart>> EquationChosen(int32_t code);
    std::optional<std::vector<FieldStart>> RenderingChosen(int32_t code);
    void FunctionChosen(int32_t FractalParams::*function, int32_t position);
    // The parameters are shown in the panel: the Julia mode follows them.
    void ParamsShown() { JuliaMode = params.JuliaMode(); }
    // Plot, in its order: what it does, then (after the panel was read) the snapshots for Undo, then
    // the run starts; the runner reports its first call and how the run ended.
    PlotStart PlotKind() const;
    void TakePlotSnapshots();
    void RunStarting();
    void RunInitialised(int32_t result);
    void PauseRequested();
    // True when the image joined the history, which is then to be kept.
    bool RunEnded(RunEnd end, int32_t stopRow);
    // The banding command: banded rows cannot be continued with dithered ones, so a new image starts.
    void ToggleBanding() {
        params.Banding = params.Banding != 0 ? 0 : 1;
        StartY = 0;
    }
    // An image file was loaded: its parameters, colours and bitmap, and where its plot resumes.
    void ImageLoaded(const LoadedImage& image);
    // The image no longer fits the size chosen: it can be neither saved, zoomed nor re-coloured, and the
    // next Plot starts a new one.
    void ForgetImage();
    // The library let go of its image (a failed start).
    void ImageReleased();
    // The size of the image: the picture follows.
    void SetSize(int32_t horRes, int32_t vertRes);
    // The number of colour ranges: a plotted row cannot be continued with other ranges.
    void SetRanges(int32_t numRanges);
    // The zoom box over the picture. Cancel puts back the parameters it started from and the row a
    // stopped plot resumes at; Apply takes what the box stands for, for a new image.
    ZoomBox zoom;
    void ShowZoomBox();
    void ApplyZoom();
    void CancelZoom();
    // The Julia switch. From the set a constant is picked first; from a Julia set the switch is taken
    // at once. The parameters change only when it is taken.
    JuliaPick pick;
    void StartSwitch();
    void TakeSwitch();
    void CancelSwitch();
    // The images shown so far: each run that ends or stops adds its image. Back and Forward give an
    // image to plot anew: its parameters, size and colours become the current ones.
    ImageHistory history;
    void TakeImage(const EntryValues& image);
    // The image on screen is plotted to its end: the wheel zooms only such an image, about a display
    // position, for a new image.
    bool ImageFinished() const { return ImagePresent && PlotRow == params.VertRes; }
    void ZoomAbout(QPointF position, double factor);
};

}  // namespace zenphra::app
