// The resolution options, the custom size and the number of colour ranges.
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
    const CommandGuard command(*this, &ControlStates::Resolutions);
    if (!command) return;
    session_.ResolutionChosen(horRes, vertRes);
    SizePicture();
    ShowNoImage();
}

void ExplorerWindow::CustomChosen() {
    const CommandGuard command(*this, &ControlStates::Resolutions);
    if (!command) return;
    const FractalParams& params = session_.Params();
    ResolutionDialog dialog(params.CustomHres, params.CustomVres, this, positions_);
    if (dialog.exec() == QDialog::Accepted) {
        session_.CustomSizeChosen(*dialog.Chosen());
        SizePicture();
        ShowNoImage();
    } else {
        // Cancelled: the option of the size shows again, and the image stays.
        ShowResolutionOf(params.HorRes, params.VertRes);
    }
    // The custom option never stays selected.
    OptionGroup::Clear(ui_.optCustom);
}

// Shows the option of the size, if there is one; a custom size leaves the options as they are.
void ExplorerWindow::ShowResolutionOf(int32_t horRes, int32_t vertRes) {
    const int32_t position = ResolutionPosition(horRes, vertRes);
    if (position >= 0) resolutionOptions_->Show(ui_.resolutionOptions[position]);
}

// The option of an image that came from a file or the history: a width without an option of its own is
// a custom size, and no option stays selected.
void ExplorerWindow::ShowResolutionOfImage() {
    const FractalParams& params = session_.Params();
    OptionGroup::Clear(ui_.optCustom);
    if (IsListedWidth(params.HorRes)) {
        ShowResolutionOf(params.HorRes, params.VertRes);
    } else {
        resolutionOptions_->ShowNone();
    }
}

// The picture area with its border, centred on the image area's fixed centre.
void ExplorerWindow::SizePicture() {
    const DisplayFactor& shown = session_.Display();
    const QSize size(shown.PicWidth + 2 * kPictureBorder, shown.PicHeight + 2 * kPictureBorder);
    ui_.pic->setGeometry(QRect(kImageAreaCenter - QPoint(size.width() / 2, size.height() / 2), size));
}

// An image the session no longer has (its size changed, or it could not be started): nothing of it is
// shown.
void ExplorerWindow::ShowNoImage() {
    ui_.pic->ClearPicture();
    ShowRowLabel(QStringLiteral("0"));
}

void ExplorerWindow::RangesChosen(int32_t numRanges) {
    const CommandGuard command(*this, &ControlStates::Ranges);
    if (!command) return;
    if (session_.RangesChosen(numRanges)) ui_.pic->ShowBitmap(session_.Bitmap());
}

}  // namespace zenphra::app
