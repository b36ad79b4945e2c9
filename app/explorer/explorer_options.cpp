// The resolution options, the custom size and the number of colour ranges.
#include "app/colormaps/palette_colors.h"
#include "app/common/engine_api.h"
#include "app/common/list_tables.h"
#include "app/explorer/explorer_window.h"
#include "app/explorer/option_group.h"
#include "app/shell/res_dialog.h"

namespace zenphra::app {

void ExplorerWindow::ConnectOptions() {
    resolutionOptions_ = new OptionGroup(this);
    const auto sizes = ResolutionOptions();
    for (qsizetype position = 0; position < ui_.resolutionOptions.size(); ++position) {
        const ResolutionOption& size = sizes[position];
        resolutionOptions_->Add(ui_.resolutionOptions[position],
                                [this, size] { ResolutionChosen(size.HorRes, size.VertRes); });
    }
    resolutionOptions_->Add(ui_.optCustom, [this] { CustomChosen(); });

    rangeOptions_ = new OptionGroup(this);
    rangeOptions_->Add(ui_.optTwo, [this] { RangesChosen(2); });
    rangeOptions_->Add(ui_.optFour, [this] { RangesChosen(4); });
    rangeOptions_->Add(ui_.optEight, [this] { RangesChosen(8); });
}

void ExplorerWindow::ResolutionChosen(int32_t horRes, int32_t vertRes) {
    params_.HorRes = horRes;
    params_.VertRes = vertRes;
    shown_ = ComputeDisplayFactor(horRes, vertRes);
    SizePicture();
    if (startY_ == 0 && !resDialogActive_) ui_.pic->ClearPicture();
    if (!loading_) ForgetImage();
}

void ExplorerWindow::CustomChosen() {
    if (loading_) return;
    ResolutionDialog dialog(params_.CustomHres, params_.CustomVres, this);
    if (dialog.exec() != QDialog::Accepted) {
        // Back to the option of the current size, keeping the image; the custom option never stays.
        loading_ = true;
        resDialogActive_ = true;
        SelectResolutionOf(params_.HorRes, params_.VertRes);
        loading_ = false;
        resDialogActive_ = false;
        OptionGroup::Clear(ui_.optCustom);
        return;
    }
    const CustomResolution& chosen = *dialog.Chosen();
    params_.HorRes = chosen.HorRes;
    params_.VertRes = chosen.VertRes;
    params_.CustomHres = chosen.CustomHres;
    params_.CustomVres = chosen.CustomVres;
    shown_ = ComputeDisplayFactor(chosen.HorRes, chosen.VertRes);
    SizePicture();
    ui_.pic->ClearPicture();
    ForgetImage();
    OptionGroup::Clear(ui_.optCustom);
}

// Selects the option of the size, if there is one; a custom size leaves the options as they are.
void ExplorerWindow::SelectResolutionOf(int32_t horRes, int32_t vertRes) {
    const int32_t position = ResolutionPosition(horRes, vertRes);
    if (position >= 0) resolutionOptions_->Select(ui_.resolutionOptions[position]);
}

// The picture area with its border, centred on the image area's fixed centre.
void ExplorerWindow::SizePicture() {
    const QSize size(shown_.PicWidth + 2 * kPictureBorder, shown_.PicHeight + 2 * kPictureBorder);
    ui_.pic->setGeometry(QRect(kImageAreaCenter - QPoint(size.width() / 2, size.height() / 2), size));
}

// After a change of size the old image can no longer be saved, zoomed or re-coloured: the library's
// bitmap belongs to the old size.
void ExplorerWindow::ForgetImage() {
    ui_.cmdSaveImage->setEnabled(false);
    ui_.cmdZoom->setEnabled(false);
    startY_ = 0;
    imagePresent_ = false;
    bitmap_ = 0;
    ui_.pic->ClearPicture();
    ui_.lblY->setText(QStringLiteral("0"));
}

void ExplorerWindow::RangesChosen(int32_t numRanges) {
    if (loading_) return;
    params_.NumRanges = numRanges;
    ApplyColormap(colors_, numRanges);
    // The ranges decide which palette index a pixel gets, so rows plotted before cannot be continued.
    startY_ = 0;
    if (!imagePresent_) return;
    if (const int32_t bitmap = Engine().SetFractalColors(); bitmap > 0) bitmap_ = bitmap;
    ui_.pic->ShowBitmap(bitmap_, QSize(shown_.PicWidth, shown_.PicHeight));
}

}  // namespace zenphra::app
