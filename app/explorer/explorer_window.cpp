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
#include "app/shell/enter_key.h"
#include "app/shell/explorer_settings.h"
#include "app/shell/window_position.h"

namespace zenphra::app {
namespace {

// The palette arrays the library reads and writes: the program's, for its whole run.
PaletteArrays& ProgramPalette() {
    static PaletteArrays palette;
    return palette;
}

}  // namespace

// The steps keep their order: the lists before the saved parameters, the picture's size before the
// panel shows them, the palette handed to the library before its ranges are filled, and the snapshots
// last, so that both hold the parameters the window came up with.
ExplorerWindow::ExplorerWindow() : ui_(BuildExplorerControls(this)), session_(ProgramPalette()) {
    setObjectName(kExplorerSection);
    setAcceptDrops(true);
    InstallEnterClicksButtons();
    store_.SetCompany(QStringLiteral("Quorvex_Talmy Fractals Lite"));
    store_.SetAppName(QStringLiteral("Zenphra"));
    const double dpiX = screen()->logicalDotsPerInchX();
    largeFonts_ = IsLargeFonts(dpiX);
    positions_ = WindowPositions{store_, largeFonts_};
    const QString programFolder = QCoreApplication::applicationDirPath();
    locations_ = StartupLocations(programFolder);
    if (IsSharedInstallation(programFolder)) SaveInUserFolders(locations_);
    ConnectPanel();
    ConnectOptions();
    ConnectCommands();
    ConnectFileCommands();
    ConnectColorCommands();
    ConnectRunner();
    BuildWindowMenu();
    ConnectZoom();
    ConnectJulia();
    twipsPerPixelX_ = kTwipsInInch / dpiX;
    twipsPerPixelY_ = kTwipsInInch / screen()->logicalDotsPerInchY();
    setWindowTitle(QStringLiteral("  ") + kProgramTitle);
    setFixedSize(kExplorerWidth, sizeHint().height());
    const CommandGuard startUp(*this);
    LoadSettings();
    SizePicture();
    const FractalParams& params = session_.Params();
    OptionGroup::Clear(ui_.optCustom);
    // Choosing the option of the saved size is a change of resolution: the row label says 0.
    if (ResolutionPosition(params.HorRes, params.VertRes) >= 0) ShowRowLabel(QStringLiteral("0"));
    ShowParams();
    UpdateBandingItem();
    new EscapeWatch(this, [this] { EscapePressed(); });
    KeepWindowPosition(this, positions_, RestoreWhen::kFirstShow);
}

void ExplorerWindow::ConnectCommands() {
    connect(ui_.cmdPlot, &QPushButton::clicked, this, [this] { Plot(); });
    connect(ui_.cmdPause, &QPushButton::clicked, this, &ExplorerWindow::Pause);
    connect(ui_.cmdExit, &QPushButton::clicked, this, &QWidget::close);
    connect(ui_.cmdSaveParam, &QPushButton::clicked, this, &ExplorerWindow::SaveParameters);
    connect(ui_.cmdLoadParam, &QPushButton::clicked, this, &ExplorerWindow::LoadParameters);
}

// The saved parameters, or the first-run ones; the session hands them and the palette to the library.
void ExplorerWindow::LoadSettings() {
    const std::optional<ExplorerSettings> saved = LoadExplorerSettings(store_);
    session_.Start(saved ? saved->params : FractalParams{}, saved && saved->UsingHLS,
                   LoadImageHistory(ImageHistoryPath(store_)));
}

void ExplorerWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Pixels not yet plotted show in the picture area's own background colour.
    const QColor background = ui_.pic->BackgroundColor();
    if (session_.FirstPainted(PackColor(static_cast<uint8_t>(background.red()),
                                        static_cast<uint8_t>(background.green()),
                                        static_cast<uint8_t>(background.blue())))) {
        ui_.cmdLoadImage->setFocus();
    }
}

void ExplorerWindow::closeEvent(QCloseEvent* event) {
    if (session_.Doing() == Activity::kPlotting) {
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
    // A paused run may still be finishing its row: it is stopped inside the row, and what it reported
    // is taken in before the library is released.
    runner_.Escape();
    runner_.Wait();
    QCoreApplication::sendPostedEvents(&runner_);
    CommitFocusedField();  // an edit not yet stored is kept, as when the focus moves on
    tutorial_->Close();
    SaveExplorerSettings(store_, ExplorerSettings{session_.Params(), session_.UsingHLS()});
    if (session_.EngineHoldsImage()) Engine().DllCleanup();
}

}  // namespace zenphra::app
