#include "app/explorer/control_states.h"

#include "app/explorer/explorer_session.h"

namespace zenphra::app {

ControlStates ControlsFor(const ExplorerSession& session) {
    const Activity doing = session.Doing();
    const bool idle = doing == Activity::kIdle;
    const bool picking = doing == Activity::kJuliaPick;
    const bool withImage = idle && session.ImagePresent();
    const bool frames = idle && !session.TutorialShown();
    ControlStates states;
    states.Plot = states.LoadImage = states.LoadParam = states.DefColors = states.ModColors = states.Undo =
        idle;
    states.SaveImage = states.SaveParam = states.Zoom = states.Switch = withImage;
    states.Panel = states.Resolutions = states.Ranges = frames;
    states.SwCancel = picking;
    states.Pause = doing == Activity::kPlotting;
    states.Tutorial = idle || doing == Activity::kStopping || doing == Activity::kZoomBox;
    states.Exit = !picking;
    states.Banding = !session.RunGoing();
    states.Back = idle && session.History().CanGoBack();
    states.Forward = idle && session.History().CanGoForward();
    states.CopyParams = states.PasteParams = idle;
    states.Wheel = idle && session.ImageFinished();
    states.ZoomFrame = doing == Activity::kZoomBox;
    states.JuliaPreview = picking && !session.JuliaMode();
    states.SwitchShown = !picking;
    states.Pointer = doing == Activity::kFileCommand ? PicturePointer::kBusy
                     : picking                       ? PicturePointer::kCrossHair
                                                     : PicturePointer::kArrow;
    return states;
}

}  // namespace zenphra::app
