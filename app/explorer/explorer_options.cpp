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
    session_.SetSize(horRes, vertRes);
    SizePicture();
    if (session_.StartY == 0 && !session_.flags.ResDialogActive) ui_.pic->ClearPicture();
    if (!session_.flags.Loading) ForgetImage();
}

void ExplorerWindow::CustomChosen() {
    WindowFlags& flags = session_.flags;
    if (flags.Loading) return;
    FractalParams& params = session_.params;
    ResolutionDialog dialog(params.CustomHres, params.CustomVres, this, positions_);
    if (dialog.exec() != QDialog::Accepted) {
        // Back to the option of the current size, keeping the image; the custom option never stays.
        flags.Loading = true;
        flags.ResDialogActive = true;
        SelectResolutionOf(params.HorRes, params.VertRes);
        flags.Loading = false;
        flags.ResDialogActive = false;
        OptionGroup::Clear(ui_.optCustom);
        return;
    }
    const CustomResolution& chosen = *dialog.Chosen();
    session_.SetSize(chosen.HorRes, chosen.VertRes);
    params.CustomHres = chosen.CustomHres;
    params.CustomVres = chosen.CustomVres;
    SizePicture();
    ui_.pic->ClearPicture();
    ForgetImage();
    OptionGroup::Clear(ui_.optCustom);
}

// Selects the option of the size, if there is one; a custom size leaves the options as they are. An
// option already selected is left alone: choosing it again would clear the picture that the zoom box and
// the Julia pick are about to be shown over.
void ExplorerWindow::SelectResolutionOf(int32_t horRes, int32_t vertRes) {
    const int32_t position = ResolutionPosition(horRes, vertRes);
    if (position < 0 || ui_.resolutionOptions[position]->isChecked()) return;
    resolutionOptions_->Select(ui_.resolutionOptions[position]);
}

// The option of an image that came from a file or the history, chosen by the window and not the user:
// a width without an option of its own is a custom size, and no option stays selected.
void ExplorerWindow::ShowResolutionOfImage() {
    WindowFlags& flags = session_.flags;
    flags.Loading = true;
    OptionGroup::Clear(ui_.optCustom);
    if (IsListedWidth(session_.params.HorRes)) {
        SelectResolutionOf(session_.params.HorRes, session_.params.VertRes);
    } else {
        resolutionOptions_->SelectNone();
    }
    flags.Loading = false;
}

// The picture area with its border, centred on the image area's fixed centre.
void ExplorerWindow::SizePicture() {
    const DisplayFactor& shown = session_.shown;
    const QSize size(shown.PicWidth + 2 * kPictureBorder, shown.PicHeight + 2 * kPictureBorder);
    ui_.pic->setGeometry(QRect(kImageAreaCenter - QPoint(size.width() / 2, size.height() / 2), size));
}

// After a change of size the old image can no longer be saved, zoomed or re-coloured: the library's
// bitmap belongs to the old size.
void ExplorerWindow::ForgetImage() {
    session_.ForgetImage();
    ApplyControlStates();
    ui_.pic->ClearPicture();
    ui_.lblY->setText(QStringLiteral("0"));
}

void ExplorerWindow::RangesChosen(int32_t numRanges) {
    if (session_.flags.Loading) return;
    session_.SetRanges(numRanges);
    if (!session_.ImagePresent) return;
    if (const int32_t bitmap = Engine().SetFractalColors(); bitmap > 0) session_.Bitmap = bitmap;
    ui_.pic->ShowBitmap(session_.Bitmap);
}

}  // namespace zenphra::app
