// The controls of the explorer window, named as the rest of the program and the tests know them, and
// the layout that places them in a window 800 pixels wide.
#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPoint>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QWidget>
#include <array>
#include <optional>

#include "app/explorer/panel_rules.h"
#include "app/explorer/picture_box.h"
#include "app/shell/filtered_field.h"

namespace zenphra::app {

inline constexpr int kExplorerWidth = 800;
// The picture area is always centred on this point of the window (4050, 2985 twips at 15 twips per
// pixel); the largest picture, 512 x 384 with its border, fits around it.
inline constexpr QPoint kImageAreaCenter{270, 199};

struct ExplorerControls {
    PictureBox* pic = nullptr;

    // The parameter panel.
    QGroupBox* framCoords = nullptr;
    QComboBox* cboEqn = nullptr;
    QComboBox* cboRender = nullptr;
    QLabel* lblF1 = nullptr;
    QComboBox* cboFunc1 = nullptr;
    QLabel* lblF2 = nullptr;
    QComboBox* cboFunc2 = nullptr;
    FilteredField* txtCx = nullptr;
    FilteredField* txtCy = nullptr;
    FilteredField* txtMagnify = nullptr;
    FilteredField* txtAngle = nullptr;
    FilteredField* txtMaxIter = nullptr;
    FilteredField* txtSkipIter = nullptr;
    FilteredField* txtLimitValue = nullptr;
    QLabel* lblJuliaX = nullptr;
    FilteredField* txtJuliaX = nullptr;
    QLabel* lblJuliaY = nullptr;
    FilteredField* txtJuliaY = nullptr;
    QLabel* lblP1 = nullptr;
    FilteredField* txtP1 = nullptr;
    QLabel* lblP2 = nullptr;
    FilteredField* txtP2 = nullptr;
    QLabel* lblP3 = nullptr;
    FilteredField* txtP3 = nullptr;
    QPushButton* cmdDefCoords = nullptr;

    // Resolution options, in the order of ResolutionOptions(), then the custom option.
    QGroupBox* framRes = nullptr;
    QList<QRadioButton*> resolutionOptions;
    QRadioButton* optCustom = nullptr;

    QGroupBox* framNumRanges = nullptr;
    QRadioButton* optTwo = nullptr;
    QRadioButton* optFour = nullptr;
    QRadioButton* optEight = nullptr;

    // The description frame; the Julia preview and its caption take its place while a point is picked.
    QGroupBox* framDesc = nullptr;
    QLabel* lblEqnHead = nullptr;
    QLabel* lblEqnDesc = nullptr;
    QLabel* lblRendHead = nullptr;
    QLabel* lblRendDesc = nullptr;
    QLabel* lblBanding = nullptr;
    QLabel* Jpic = nullptr;
    QLabel* Label17 = nullptr;

    QLabel* lblY = nullptr;
    QLabel* lblPath = nullptr;  // how the image is drawn, for deep images
    QLabel* lblHint = nullptr;  // the phase a deep image's first row waits for, or the iteration hint

    // The zoom box's controls, in place of the resolutions and the description while the box is shown.
    QGroupBox* framZoom = nullptr;
    QPushButton* cmdZoomApply = nullptr;
    QPushButton* cmdZoomCancel = nullptr;
    QScrollBar* hsbSize = nullptr;
    QLabel* lblSizeFactor = nullptr;
    QScrollBar* hsbRotate = nullptr;
    QLabel* lblAngle = nullptr;

    QPushButton* cmdPlot = nullptr;
    QPushButton* cmdPause = nullptr;
    QPushButton* cmdZoom = nullptr;
    QPushButton* cmdUndo = nullptr;
    QPushButton* cmdSwitch = nullptr;
    QPushButton* cmdSwCancel = nullptr;
    QPushButton* cmdSaveImage = nullptr;
    QPushButton* cmdLoadImage = nullptr;
    QPushButton* cmdSaveParam = nullptr;
    QPushButton* cmdLoadParam = nullptr;
    QPushButton* cmdDefColors = nullptr;
    QPushButton* cmdModColors = nullptr;
    QPushButton* cmdTutorial = nullptr;
    QPushButton* cmdExit = nullptr;

    // The panel's text fields by the rules' names for them.
    std::array<FilteredField*, kPanelFieldCount> fields{};
    FilteredField* Field(PanelField field) const { return fields[static_cast<size_t>(field)]; }
    // Which panel field a widget is, if it is one.
    std::optional<PanelField> FieldOf(const QWidget* widget) const;
};

// Creates every control inside `window` and lays them out. The lists are filled; nothing is selected
// and no handler is connected.
ExplorerControls BuildExplorerControls(QWidget* window);

// The frame "Zoom Box Control", hidden (zoom_frame.cpp).
QGroupBox* BuildZoomFrame(ExplorerControls& ui, QWidget* window);

}  // namespace zenphra::app
