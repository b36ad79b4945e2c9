// The commands' guard: the one table of enabled controls put on the widgets, with what the table shows
// and hides and the picture's pointer, after every command and around the dialogs of those that hold
// the window.
#include "app/explorer/explorer_window.h"

namespace zenphra::app {

ExplorerWindow::Held ExplorerWindow::HeldByFileCommand() {
    return {*this, &ExplorerSession::FileCommandStarted, &ExplorerSession::FileCommandEnded};
}

ExplorerWindow::Held ExplorerWindow::HeldByEditor() {
    return {*this, &ExplorerSession::EditorOpened, &ExplorerSession::EditorClosed};
}

void ExplorerWindow::ApplyControlStates() {
    const ControlStates states = session_.Controls();
    const std::pair<QWidget*, bool> controls[] = {
        {ui_.cmdPlot, states.Plot},           {ui_.cmdLoadImage, states.LoadImage},
        {ui_.cmdLoadParam, states.LoadParam}, {ui_.cmdDefColors, states.DefColors},
        {ui_.cmdModColors, states.ModColors}, {ui_.cmdUndo, states.Undo},
        {ui_.cmdSaveImage, states.SaveImage}, {ui_.cmdSaveParam, states.SaveParam},
        {ui_.cmdZoom, states.Zoom},           {ui_.cmdSwitch, states.Switch},
        {ui_.cmdSwCancel, states.SwCancel},   {ui_.framCoords, states.Panel},
        {ui_.framRes, states.Resolutions},    {ui_.framNumRanges, states.Ranges},
        {ui_.cmdPause, states.Pause},         {ui_.cmdTutorial, states.Tutorial},
        {ui_.cmdExit, states.Exit},
    };
    for (const auto& [control, enabled] : controls) control->setEnabled(enabled);
    menuItems_.banding->setEnabled(states.Banding);
    navigation_.back->setEnabled(states.Back);
    navigation_.forward->setEnabled(states.Forward);
    navigation_.copy->setEnabled(states.CopyParams);
    navigation_.paste->setEnabled(states.PasteParams);
    ui_.framZoom->setVisible(states.ZoomFrame);
    ui_.framRes->setVisible(!states.ZoomFrame);
    ui_.framDesc->setVisible(!states.ZoomFrame);
    for (QWidget* description : {ui_.lblEqnHead, ui_.lblEqnDesc, ui_.lblRendHead, ui_.lblRendDesc}) {
        description->setVisible(!states.JuliaPreview);
    }
    ui_.Jpic->setVisible(states.JuliaPreview);
    ui_.Label17->setVisible(states.JuliaPreview);
    ui_.cmdSwitch->setVisible(states.SwitchShown);
    ApplyPicturePointer(states.Pointer);
    if (focusWhenShown_ != nullptr) focusWhenShown_->setFocus();
    focusWhenShown_ = nullptr;
}

}  // namespace zenphra::app
