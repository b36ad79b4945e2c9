// The plot command: the panel is read and the image handed to the plot runner, whose frames the picture
// and the row label follow; Pause and Escape stop the run so that a later Plot can resume it.
#include "app/common/engine_api.h"
#include "app/explorer/explorer_window.h"
#include "app/imagefiles/err_check.h"

namespace zenphra::app {

void ExplorerWindow::ConnectRunner() {
    connect(&runner_, &PlotRunner::Initialised, this, [this](int32_t result) {
        initResult_ = result;
        session_.RunInitialised(result);
    });
    connect(&runner_, &PlotRunner::FrameReady, this, &ExplorerWindow::ShowFrame);
    connect(&runner_, &PlotRunner::Finished, this, &ExplorerWindow::RunFinished);
}

void ExplorerWindow::Plot() {
    if (!CommitFocusedField()) return;
    switch (session_.PlotKind()) {
        case PlotStart::kNothing:
            return;
        case PlotStart::kResume:
            break;
        case PlotStart::kReadPanel:
            if (!ValidateParams()) return;
            ReadPanel(PanelTextsNow(), session_.Shown(), session_.JuliaMode, session_.params);
            session_.TakePlotSnapshots();
            ShowParams();
            if (session_.StartY == 0) {
                session_.SetSize(session_.params.HorRes, session_.params.VertRes);
                SizePicture();
                ui_.pic->ClearPicture();
            }
            break;
    }
    session_.RunStarting();
    ApplyControlStates();
    ui_.cmdPause->setFocus();
    runner_.Start({session_.params, session_.StartY, session_.shown.ImageFactor});
}

void ExplorerWindow::ShowFrame() {
    const PlotRunner::Frame frame = runner_.TakeFrame();
    if (frame.row < 0) return;
    ui_.pic->ShowPicture(frame.picture);
    const bool lastRow = frame.row == session_.params.VertRes - 1;
    ui_.lblY->setText(lastRow ? QStringLiteral("Done") : QString::number(frame.row));
}

void ExplorerWindow::RunFinished(RunEnd end, int32_t stopRow) {
    if (session_.RunEnded(end, stopRow)) SaveImageHistory(ImageHistoryPath(store_), session_.history);
    if (end == RunEnd::kInitFailed) ForgetImage();
    ApplyControlStates();
    if (end == RunEnd::kInitFailed) ErrCheck(initResult_, QString());
    emit RunEnded();
}

void ExplorerWindow::Pause() {
    session_.PauseRequested();
    runner_.Pause();
    ApplyControlStates();
}

void ExplorerWindow::EscapePressed() {
    if (session_.RunActive) runner_.Escape();
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
}

}  // namespace zenphra::app
