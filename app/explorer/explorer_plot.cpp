// The plot command: the panel is read and the image plotted row by row, the picture following every
// row, with Pause and Escape stopping the run so that a later Plot can resume it.
#include <QCoreApplication>

#include "app/common/engine_api.h"
#include "app/explorer/escape_watch.h"
#include "app/explorer/explorer_window.h"
#include "app/explorer/plot_call.h"
#include "app/imagefiles/err_check.h"

namespace zenphra::app {

void ExplorerWindow::Plot() {
    if (!CommitFocusedField()) return;
    // A stopped image resumes where it stopped unless something that shapes it has changed since.
    if (startY_ == 0) {
        if (!ValidateParams()) return;
        ReadPanel();
        snapshots_.Swap();
        snapshots_.SaveShown(params_, palette_);
        ShowParams();
        shown_ = ComputeDisplayFactor(params_.HorRes, params_.VertRes);
        SizePicture();
        ui_.pic->ClearPicture();
    }
    plotting_ = true;
    EnableControls(false);
    ui_.cmdPause->setFocus();
    escape_->Reset();

    const int32_t result = InitPlotWith(params_, startY_, shown_.ImageFactor);
    if (result > 0) bitmap_ = result;
    if (ErrCheck(result, QString())) {
        engineHoldsImage_ = false;  // the library has released the old image too
        ForgetImage();
    } else {
        engineHoldsImage_ = true;
        imagePresent_ = true;
        PlotRows();
    }
    plotting_ = false;
    loading_ = false;
    EnableControls(true);
}

void ExplorerWindow::PlotRows() {
    const QSize shownSize(shown_.PicWidth, shown_.PicHeight);
    for (int32_t row = startY_; row < params_.VertRes; ++row) {
        const int32_t result = Engine().PlotFractal(row);
        if (result == ZENPHRA_ABORTED) {
            startY_ = row;
            return;
        }
        if (result > 0) bitmap_ = result;
        ui_.pic->ShowBitmap(bitmap_, shownSize);
        if (row < params_.VertRes - 1) {
            ui_.lblY->setText(QString::number(row));
        } else {
            ui_.lblY->setText(QStringLiteral("Done"));
            startY_ = 0;
        }
        emit RowPlotted(row);
        QCoreApplication::processEvents();
        if (!plotting_) {  // paused
            startY_ = row;
            return;
        }
    }
}

void ExplorerWindow::Pause() {
    plotting_ = false;
    loading_ = true;
    ui_.cmdTutorial->setEnabled(true);
}

void ExplorerWindow::EnableControls(bool idle) {
    for (QWidget* control : {static_cast<QWidget*>(ui_.cmdPlot), static_cast<QWidget*>(ui_.cmdLoadImage),
                             static_cast<QWidget*>(ui_.cmdLoadParam), static_cast<QWidget*>(ui_.cmdDefColors),
                             static_cast<QWidget*>(ui_.cmdModColors), static_cast<QWidget*>(ui_.cmdSwCancel),
                             static_cast<QWidget*>(ui_.cmdUndo), static_cast<QWidget*>(ui_.framCoords),
                             static_cast<QWidget*>(ui_.framRes), static_cast<QWidget*>(ui_.framNumRanges)}) {
        control->setEnabled(idle);
    }
    for (QPushButton* command : {ui_.cmdSaveImage, ui_.cmdSaveParam, ui_.cmdZoom, ui_.cmdSwitch}) {
        command->setEnabled(idle && imagePresent_);
    }
    ui_.cmdPause->setEnabled(plotting_);
    ui_.cmdTutorial->setEnabled(!plotting_);
}

}  // namespace zenphra::app
