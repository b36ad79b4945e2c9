// Which of the explorer's controls are enabled, worked out from its state alone. Every command's guard
// refuses the command while its control is disabled here, and applies this one table when it ends.
#pragma once

namespace zenphra::app {

class ExplorerSession;

// The pointer over the picture area, unless the zoom box shows its own.
enum class PicturePointer { kArrow, kCrossHair, kBusy };

struct ControlStates {
    // Enabled when idle: no plot run, zoom box, Julia pick, file command or colour editor.
    bool Plot = false;
    bool LoadImage = false;
    bool LoadParam = false;
    bool DefColors = false;
    bool ModColors = false;
    bool Undo = false;
    // Enabled when idle with an image shown.
    bool SaveImage = false;
    bool SaveParam = false;
    bool Zoom = false;
    bool Switch = false;
    // The parameter panel and the resolution and colour-range frames: idle, and not while the tutorial
    // window is shown (they come back when it is hidden or closed).
    bool Panel = false;
    bool Resolutions = false;
    bool Ranges = false;
    bool SwCancel = false;  // only while a Julia point is picked
    bool Pause = false;     // exactly while a run plots
    bool Tutorial = false;  // not while a run plots, a Julia point is picked, or a command holds the window
    bool Exit = false;      // not while a Julia point is picked
    bool Banding = false;   // not while a run goes on: one image is banded or dithered throughout
    // The history's steps, when idle and there is an image that way; the parameters on the clipboard,
    // when idle.
    bool Back = false;
    bool Forward = false;
    bool CopyParams = false;
    bool PasteParams = false;
    // The wheel over the picture zooms an idle image plotted to its end.
    bool Wheel = false;

    // What is shown: the zoom box's frame in place of the resolutions and the description while the
    // box is shown; the Julia preview in place of the descriptions while a Julia constant is picked,
    // with the switch button hidden while the switch is under way.
    bool ZoomFrame = false;
    bool JuliaPreview = false;
    bool SwitchShown = true;
    // Busy while a file command runs; the cross-hair while a Julia constant is picked.
    PicturePointer Pointer = PicturePointer::kArrow;

    bool operator==(const ControlStates&) const = default;
};

ControlStates ControlsFor(const ExplorerSession& session);

}  // namespace zenphra::app
