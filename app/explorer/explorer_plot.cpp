// The plot command: the session checks and reads the panel and the image is handed to the plot runner,
// whose frames the picture and the row label follow; Pause and Escape stop the run so that a later Plot
// can resume it.
#include "app/common/engine_api.h"
#include "app/common/messages.h"
#include "app/common/plot_path_text.h"
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
    // A deep image's first row waits for its reference orbit and table, which may take a while: the
    // readout follows them as they are made.
    pathTimer_ = new QTimer(this);
    pathTimer_->setInterval(250);
    connect(pathTimer_, &QTimer::timeout, this, &ExplorerWindow::ShowPlotPath);
}

void ExplorerWindow::ShowPlotPath() {
    ZenphraPlotPath path{};
    if (Engine().GetPlotPath(&path) != 1) path = ZenphraPlotPath{};
    const QString text = PlotPathText(path, session_.Params());
    ui_.lblPath->setText(text);
    ui_.lblPath->setVisible(!text.isEmpty());
    if (session_.RunGoing()) {
        const QString phase = DeepPhaseText(path);
        ui_.lblHint->setText(phase);
        ui_.lblHint->setVisible(!phase.isEmpty());
    }
}

void ExplorerWindow::Plot(PlotRequest request) {
    const CommandGuard command(*this,
                               request == PlotRequest::kUndo ? &ControlStates::Undo : &ControlStates::Plot);
    if (!command || !CommitFocusedField()) return;
    const PlotOrder order = session_.Plot(PanelTextsNow(), request);
    switch (order.step) {
        case PlotOrder::Step::kNothing:
            return;
        case PlotOrder::Step::kRefused:
            ShowMessage(order.message);
            return;
        case PlotOrder::Step::kResume:
            break;
        case PlotOrder::Step::kPanelRead:
            ShowParams();
            if (order.newImage) {
                SizePicture();
                ui_.pic->ClearPicture();
            }
            break;
    }
    FocusWhenShown(ui_.cmdPause);
    ui_.lblHint->hide();
    runner_.Start({session_.Params(), session_.StartY(), session_.Display().ImageFactor});
    pathTimer_->start();
}

void ExplorerWindow::ShowFrame() {
    const PlotRunner::Frame frame = runner_.TakeFrame();
    if (frame.row < 0) return;
    ui_.pic->ShowPicture(frame.picture);
    const bool lastRow = frame.row == session_.Params().VertRes - 1;
    ui_.lblY->setText(lastRow ? QStringLiteral("Done") : QString::number(frame.row));
    ShowPlotPath();
}

void ExplorerWindow::ShowMaxItersHint(RunEnd end) {
    ZenphraPlotPath path{};
    const int32_t rows = session_.Params().VertRes;
    QString hint;
    if (end == RunEnd::kDone && Engine().GetPlotPath(&path) == 1 && path.deep == 1) {
        const int32_t atLimit = Engine().CountImageIndex(kMaxIterEntry, rows);
        hint = MaxItersHint(atLimit, int64_t(rows) * session_.Params().HorRes);
    }
    ui_.lblHint->setText(hint);
    ui_.lblHint->setVisible(!hint.isEmpty());
}

void ExplorerWindow::ShowRowLabel(const QString& text) {
    ui_.lblY->setText(text);
    ui_.lblPath->hide();
    ui_.lblHint->hide();
}

void ExplorerWindow::RunFinished(RunEnd end, int32_t stopRow) {
    {
        const CommandGuard ended(*this);
        if (session_.RunEnded(end, stopRow)) SaveImageHistory(ImageHistoryPath(store_), session_.History());
        if (end == RunEnd::kInitFailed) ShowNoImage();
        pathTimer_->stop();
        ShowPlotPath();
        ShowMaxItersHint(end);
    }
    if (end == RunEnd::kInitFailed) ErrCheck(initResult_, QString());
    emit RunEnded();
}

void ExplorerWindow::Pause() {
    const CommandGuard command(*this, &ControlStates::Pause);
    if (!command) return;
    session_.PauseRequested();
    runner_.Pause();
}

void ExplorerWindow::EscapePressed() {
    if (session_.RunGoing()) runner_.Escape();
}

}  // namespace zenphra::app
