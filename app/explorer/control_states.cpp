#include "app/explorer/control_states.h"

#include "app/explorer/explorer_session.h"

namespace zenphra::app {

ControlStates ControlsFor(const ExplorerSession& session) {
    const WindowFlags& flags = session.flags;
    const bool idle = session.Idle();
    const bool withImage = idle && session.ImagePresent;
    const bool frames = idle && !flags.TutorialShown;
    ControlStates states;
    states.Plot = states.LoadImage = states.LoadParam = states.DefColors = states.ModColors = states.Undo =
        idle;
    states.SaveImage = states.SaveParam = states.Zoom = states.Switch = withImage;
    states.Panel = states.Resolutions = states.Ranges = frames;
    states.SwCancel = flags.SwitchMode;
    states.Pause = flags.Plotting;
    states.Tutorial = !flags.Plotting && !flags.SwitchMode && !flags.FileBusy && !flags.EditorOpen;
    states.Exit = !flags.SwitchMode;
    states.Banding = !session.RunActive;
    states.ZoomFrame = flags.ZoomMode;
    states.JuliaPreview = flags.SwitchMode && !session.JuliaMode;
    states.SwitchShown = !flags.SwitchMode;
    states.Pointer = flags.FileBusy     ? PicturePointer::kBusy
                     : flags.SwitchMode ? PicturePointer::kCrossHair
                                        : PicturePointer::kArrow;
    return states;
}

}  // namespace zenphra::app
