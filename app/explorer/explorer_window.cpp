#include "app/explorer/explorer_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QScreen>

#include "app/colormaps/palette_colors.h"
#include "app/common/engine_api.h"
#include "app/common/list_tables.h"
#include "app/common/messages.h"
#include "app/explorer/escape_watch.h"
#include "app/explorer/option_group.h"
#include "app/shell/explorer_settings.h"
#include "app/shell/form_position.h"

namespace zenphra::app {
namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kStandardDpi = 96.0;

// The palette arrays the library reads and writes: the program's, for its whole run.
PaletteArrays& ProgramPalette() {
    static PaletteArrays palette;
    return palette;
}

}  // namespace

// The steps keep their order: the lists before the saved parameters, the picture's size before the
// panel shows them, the palette handed to the library before its ranges are filled, and the snapshots
// last, so that both hold the parameters the window came up with.
ExplorerWindow::ExplorerWindow() : ui_(BuildExplorerControls(this)), palette_(ProgramPalette()) {
    setObjectName(kExplorerSection);
    store_.SetCompany(QStringLiteral("Quorvex_Talmy Fractals Lite"));
    store_.SetAppName(QStringLiteral("Zenphra"));
    const double dpiX = screen()->logicalDotsPerInchX();
    largeFonts_ = dpiX > kStandardDpi;
    locations_ = StartupLocations(QCoreApplication::applicationDirPath());

    ConnectPanel();
    ConnectOptions();
    ConnectCommands();
    SelectListPosition(ui_.cboEqn, 0);

    twipsPerPixelX_ = kTwipsPerInch / dpiX;
    twipsPerPixelY_ = kTwipsPerInch / screen()->logicalDotsPerInchY();
    setWindowTitle(QStringLiteral("  ") + kProgramTitle);
    setFixedSize(kExplorerWidth, sizeHint().height());
    LoadSettings();

    shown_ = ComputeDisplayFactor(params_.HorRes, params_.VertRes);
    SizePicture();
    OptionGroup::Clear(ui_.optCustom);
    SelectResolutionOf(params_.HorRes, params_.VertRes);
    if (!IsListedWidth(params_.HorRes)) {
        params_.CustomHres = QString::number(params_.HorRes);
        params_.CustomVres = QString::number(params_.VertRes);
    }
    ShowParams();
    SetBandingLabel();

    Engine().SetColorPointers(palette_.PalRed.data(), palette_.PalGrn.data(), palette_.PalBlu.data());
    ApplyColormap(colors_, params_.NumRanges);
    EnableControls(true);
    escape_ = new EscapeWatch(this);
    snapshots_.SavePrevious(params_, palette_);
    snapshots_.SaveShown(params_, palette_);
}

void ExplorerWindow::ConnectCommands() {
    connect(ui_.cmdPlot, &QPushButton::clicked, this, &ExplorerWindow::Plot);
    connect(ui_.cmdPause, &QPushButton::clicked, this, &ExplorerWindow::Pause);
    connect(ui_.cmdExit, &QPushButton::clicked, this, &QWidget::close);
}

void ExplorerWindow::LoadSettings() {
    const std::optional<ExplorerSettings> saved = LoadExplorerSettings(store_);
    params_ = saved ? saved->params : FractalParams{};
    usingHLS_ = saved && saved->UsingHLS;
}

void ExplorerWindow::SetBandingLabel() {
    ui_.lblBanding->setText(params_.Banding != 0 ? QStringLiteral("Banding :  ON")
                                                 : QStringLiteral("Banding :  OFF"));
}

void ExplorerWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!firstPaint_) return;
    firstPaint_ = false;
    // Pixels not yet plotted show in the picture area's own background colour.
    const QColor background = ui_.pic->BackgroundColor();
    SetPaletteColor(
        palette_, kNotPlottedEntry,
        PackColor(static_cast<uint8_t>(background.red()), static_cast<uint8_t>(background.green()),
                  static_cast<uint8_t>(background.blue())));
    ui_.cmdLoadImage->setFocus();
    if (const auto position = RestoreFormPosition(store_, objectName(), largeFonts_)) {
        move(qRound(position->Left / twipsPerPixelX_), qRound(position->Top / twipsPerPixelY_));
    }
}

void ExplorerWindow::closeEvent(QCloseEvent* event) {
    if (plotting_) {
        ShowMessage(
            QStringLiteral("The program cannot exit while plotting.\r\nClick the Pause button before "
                           "exiting."));
        event->ignore();
        return;
    }
    ShutDown();
    event->accept();
}

void ExplorerWindow::ShutDown() {
    CommitFocusedField();  // an edit not yet stored is kept, as when the focus moves on
    const QRect frame = frameGeometry();
    const FormPosition position{static_cast<float>(frame.x() * twipsPerPixelX_),
                                static_cast<float>(frame.y() * twipsPerPixelY_),
                                static_cast<float>(frame.width() * twipsPerPixelX_),
                                static_cast<float>(frame.height() * twipsPerPixelY_)};
    SaveFormPosition(store_, objectName(), position, largeFonts_);
    SaveExplorerSettings(store_, ExplorerSettings{params_, usingHLS_});
    if (engineHoldsImage_) Engine().DllCleanup();
}

}  // namespace zenphra::app
