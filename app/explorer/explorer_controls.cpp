#include "app/explorer/explorer_controls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/common/list_tables.h"
#include "app/common/valid_num.h"
#include "app/explorer/julia_switch.h"
#include "app/shell/command_button.h"

namespace zenphra::app {
namespace {

// The picture area's widest and tallest size: the largest picture and its border on every side.
constexpr QSize kImageArea{2 * kImageAreaCenter.x(), 2 * kImageAreaCenter.y()};

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QPushButton* Button(const char* name, const char* caption, QWidget* parent) {
    auto* button = Named(new CommandButton(QString::fromLatin1(caption), parent), name);
    button->setAutoDefault(false);
    return button;
}

QLabel* Label(const char* caption, QWidget* parent) {
    return new QLabel(QString::fromLatin1(caption), parent);
}

QComboBox* List(const char* name, const QStringList& entries, QWidget* parent) {
    auto* list = Named(new QComboBox(parent), name);
    list->addItems(entries);
    list->setMaxVisibleItems(entries.size());
    return list;
}

// P3 is the order of the Chebyshev equation: one digit, 3 to 9 while Chebyshev is chosen.
FilteredField::KeyFilter OrderKeyFilter(const QComboBox* cboEqn) {
    return [cboEqn](int keyCode, const QString& text) {
        if (keyCode == kBackspaceKey) return keyCode;
        if (!text.isEmpty()) return 0;
        const bool chebyshev = EqnCode(cboEqn->currentIndex()) == kChebyshevEquation;
        return !chebyshev || (keyCode >= '3' && keyCode <= '9') ? keyCode : 0;
    };
}

// Fields and lists that are shown only for some choices keep their place while hidden, so the panel
// does not jump.
void KeepPlaceWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

void AddRow(QGridLayout* grid, int row, int column, QLabel* label, QWidget* field) {
    grid->addWidget(label, row, column);
    grid->addWidget(field, row, column + 1);
    label->setBuddy(field);
    KeepPlaceWhenHidden(label);
    KeepPlaceWhenHidden(field);
}

QGroupBox* BuildPanel(ExplorerControls& ui, QWidget* window) {
    auto* frame = Named(new QGroupBox(QStringLiteral("Fractal Parameters"), window), "framCoords");
    ui.framCoords = frame;
    const auto field = [frame](const char* name, FilteredField::KeyFilter filter) {
        return new FilteredField(QString::fromLatin1(name), std::move(filter), frame);
    };
    ui.cboEqn = List("cboEqn", EquationCaptions(), frame);
    ui.cboRender = List("cboRender", RenderingCaptions(), frame);
    ui.cboFunc1 = List("cboFunc1", FunctionCaptions(), frame);
    ui.cboFunc2 = List("cboFunc2", FunctionCaptions(), frame);
    ui.txtCx = field("txtCx", ValidSignedKey);
    ui.txtCy = field("txtCy", ValidSignedKey);
    ui.txtMagnify = field("txtMagnify", ValidMagnifyKey);
    ui.txtAngle = field("txtAngle", ValidSignedKey);
    ui.txtMaxIter = field("txtMaxIter", ValidIntKey);
    ui.txtSkipIter = field("txtSkipIter", ValidIntKey);
    ui.txtLimitValue = field("txtLimitValue", ValidUnsignedKey);
    ui.txtJuliaX = field("txtJuliaX", ValidSignedKey);
    ui.txtJuliaY = field("txtJuliaY", ValidSignedKey);
    ui.txtP1 = field("txtP1", ValidUnsignedKey);
    ui.txtP2 = field("txtP2", ValidUnsignedKey);
    ui.txtP3 = field("txtP3", OrderKeyFilter(ui.cboEqn));
    ui.lblF1 = Named(Label("Func 1 :", frame), "lblF1");
    ui.lblF2 = Named(Label("Func 2 :", frame), "lblF2");
    ui.lblJuliaX = Named(Label("Julia Real :", frame), "lblJuliaX");
    ui.lblJuliaY = Named(Label("Julia Imag :", frame), "lblJuliaY");
    ui.lblP1 = Named(Label("P1 :", frame), "lblP1");
    ui.lblP2 = Named(Label("P2 :", frame), "lblP2");
    ui.lblP3 = Named(Label("P3 :", frame), "lblP3");
    ui.cmdDefCoords = Button("cmdDefCoords", "Set Default &Coordinates", frame);
    ui.fields = {ui.txtCx,       ui.txtCy,     ui.txtAngle,  ui.txtMagnify, ui.txtLimitValue, ui.txtMaxIter,
                 ui.txtSkipIter, ui.txtJuliaX, ui.txtJuliaY, ui.txtP1,      ui.txtP2,         ui.txtP3};

    auto* grid = new QGridLayout(frame);
    AddRow(grid, 0, 0, Label("Equation :", frame), ui.cboEqn);
    AddRow(grid, 1, 0, Label("Rendering :", frame), ui.cboRender);
    AddRow(grid, 2, 0, ui.lblF1, ui.cboFunc1);
    AddRow(grid, 3, 0, ui.lblF2, ui.cboFunc2);
    AddRow(grid, 4, 0, ui.lblP1, ui.txtP1);
    AddRow(grid, 5, 0, ui.lblP2, ui.txtP2);
    AddRow(grid, 6, 0, ui.lblP3, ui.txtP3);
    AddRow(grid, 7, 0, Label("Max. Iters :", frame), ui.txtMaxIter);
    AddRow(grid, 8, 0, Label("Skip Iters :", frame), ui.txtSkipIter);
    AddRow(grid, 0, 2, Label("Center Real :", frame), ui.txtCx);
    AddRow(grid, 1, 2, Label("Center Imag :", frame), ui.txtCy);
    AddRow(grid, 2, 2, Label("Magnification :", frame), ui.txtMagnify);
    AddRow(grid, 3, 2, Label("Angle :", frame), ui.txtAngle);
    AddRow(grid, 4, 2, ui.lblJuliaX, ui.txtJuliaX);
    AddRow(grid, 5, 2, ui.lblJuliaY, ui.txtJuliaY);
    // The longest caption takes a row of its own above its field.
    QLabel* limitLabel = Label("Iteration Loop Early Exit Value :", frame);
    limitLabel->setBuddy(ui.txtLimitValue);
    grid->addWidget(limitLabel, 6, 2, 1, 2);
    grid->addWidget(ui.txtLimitValue, 7, 3);
    grid->addWidget(ui.cmdDefCoords, 8, 2, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return frame;
}

QGroupBox* BuildResolutionFrame(ExplorerControls& ui, QWidget* window) {
    auto* frame = Named(new QGroupBox(QStringLiteral("Image Resolution (Pixels)"), window), "framRes");
    ui.framRes = frame;
    auto* grid = new QGridLayout(frame);
    int cell = 0;
    for (const ResolutionOption& option : ResolutionOptions()) {
        auto* button = Named(new QRadioButton(QString::fromLatin1(option.caption), frame), option.name);
        ui.resolutionOptions.append(button);
        grid->addWidget(button, cell / 2, cell % 2);
        ++cell;
    }
    ui.optCustom = Named(new QRadioButton(QStringLiteral("Custom"), frame), "optCustom");
    grid->addWidget(ui.optCustom, cell / 2, cell % 2);
    return frame;
}

QGroupBox* BuildRangesFrame(ExplorerControls& ui, QWidget* window) {
    auto* frame = Named(new QGroupBox(QStringLiteral("Number of Color Ranges"), window), "framNumRanges");
    ui.framNumRanges = frame;
    ui.optTwo = Named(new QRadioButton(QStringLiteral("Two"), frame), "optTwo");
    ui.optFour = Named(new QRadioButton(QStringLiteral("Four"), frame), "optFour");
    ui.optEight = Named(new QRadioButton(QStringLiteral("Eight"), frame), "optEight");
    auto* row = new QHBoxLayout(frame);
    row->addWidget(ui.optTwo);
    row->addWidget(ui.optFour);
    row->addWidget(ui.optEight);
    return frame;
}

QGroupBox* BuildDescriptionFrame(ExplorerControls& ui, QWidget* window) {
    auto* frame = Named(new QGroupBox(QStringLiteral("Description"), window), "framDesc");
    ui.framDesc = frame;
    ui.lblEqnHead = Label("Equation :", frame);
    ui.lblEqnDesc = Named(Label("", frame), "lblEqnDesc");
    ui.lblRendHead = Label("Rendering Parameters :", frame);
    ui.lblRendDesc = Named(Label("", frame), "lblRendDesc");
    ui.lblBanding = Named(Label("", frame), "lblBanding");
    ui.Jpic = Named(Label("", frame), "Jpic");
    ui.Jpic->setFixedSize(124, 94);
    ui.Jpic->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ui.Jpic->setLineWidth(kPictureBorder);
    ui.Jpic->hide();
    ui.Label17 = Named(Label("This image shows the general shape of the Julia set.", frame), "Label17");
    ui.Label17->setWordWrap(true);
    ui.Label17->hide();
    QFont heading = ui.lblEqnHead->font();
    heading.setBold(true);
    ui.lblEqnHead->setFont(heading);
    ui.lblRendHead->setFont(heading);
    // Room for the longest descriptions, so the window keeps its size whatever is chosen.
    for (QLabel* description : {ui.lblEqnDesc, ui.lblRendDesc}) {
        description->setWordWrap(true);
        description->setMinimumHeight(3 * description->fontMetrics().lineSpacing());
        description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    auto* column = new QVBoxLayout(frame);
    for (QWidget* widget : {static_cast<QWidget*>(ui.lblEqnHead), static_cast<QWidget*>(ui.lblEqnDesc),
                            static_cast<QWidget*>(ui.lblRendHead), static_cast<QWidget*>(ui.lblRendDesc),
                            static_cast<QWidget*>(ui.Jpic), static_cast<QWidget*>(ui.Label17)}) {
        column->addWidget(widget);
    }
    column->addStretch(1);
    column->addWidget(ui.lblBanding);
    return frame;
}

QGroupBox* BuildProgressFrame(ExplorerControls& ui, QWidget* window) {
    auto* frame = Named(new QGroupBox(QStringLiteral("Plotting Image Row : "), window), "framCurrXY");
    ui.lblY = Named(Label("", frame), "lblY");
    ui.lblPath = Named(Label("", frame), "lblPath");
    ui.lblHint = Named(Label("", frame), "lblHint");
    auto* rows = new QVBoxLayout(frame);
    auto* firstRow = new QHBoxLayout;
    firstRow->addWidget(ui.lblY);
    firstRow->addStretch(1);
    firstRow->addWidget(ui.lblPath);
    rows->addLayout(firstRow);
    rows->addWidget(ui.lblHint);
    // Only a deep image shows the last two: the path beside the row, below them the phase being made
    // while the first row waits for it, or the hint once the image is done.
    ui.lblPath->hide();
    ui.lblHint->hide();
    return frame;
}

QWidget* BuildCommands(ExplorerControls& ui, QWidget* window) {
    auto* commands = new QWidget(window);
    ui.cmdPlot = Button("cmdPlot", "&Plot", commands);
    ui.cmdPause = Button("cmdPause", "P&ause", commands);
    ui.cmdZoom = Button("cmdZoom", "&Zoom", commands);
    ui.cmdUndo = Button("cmdUndo", "&Undo", commands);
    auto* julia = Named(new QGroupBox(QStringLiteral("Mset / Julia Set"), commands), "framJulia");
    ui.cmdSwitch = Button("cmdSwitch", "", julia);
    ui.cmdSwitch->setText(SwitchCaption(false));
    KeepPlaceWhenHidden(ui.cmdSwitch);  // hidden while a Julia constant is picked; Cancel stays put
    ui.cmdSwCancel = Button("cmdSwCancel", "&Cancel", julia);
    ui.cmdSaveImage = Button("cmdSaveImage", "&Save Image File", commands);
    ui.cmdLoadImage = Button("cmdLoadImage", "&Load Image File", commands);
    ui.cmdSaveParam = Button("cmdSaveParam", "Sa&ve Parameters", commands);
    ui.cmdLoadParam = Button("cmdLoadParam", "L&oad Parameters", commands);
    ui.cmdDefColors = Button("cmdDefColors", "&Default Colors", commands);
    ui.cmdModColors = Button("cmdModColors", "&Modify Colors", commands);
    ui.cmdTutorial = Button("cmdTutorial", "&Tutorial", commands);
    ui.cmdExit = Button("cmdExit", "E&xit Program", commands);

    auto* juliaRow = new QHBoxLayout(julia);
    juliaRow->addWidget(ui.cmdSwitch, 2);
    juliaRow->addWidget(ui.cmdSwCancel, 1);

    auto* grid = new QGridLayout(commands);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(ui.cmdPlot, 0, 0);
    grid->addWidget(ui.cmdPause, 0, 1);
    grid->addWidget(ui.cmdZoom, 1, 0);
    grid->addWidget(ui.cmdUndo, 1, 1);
    grid->addWidget(julia, 2, 0, 1, 2);
    grid->addWidget(ui.cmdSaveImage, 3, 0);
    grid->addWidget(ui.cmdLoadImage, 3, 1);
    grid->addWidget(ui.cmdSaveParam, 4, 0);
    grid->addWidget(ui.cmdLoadParam, 4, 1);
    grid->addWidget(ui.cmdDefColors, 5, 0);
    grid->addWidget(ui.cmdModColors, 5, 1);
    grid->addWidget(ui.cmdTutorial, 6, 0);
    grid->addWidget(ui.cmdExit, 6, 1);
    return commands;
}

}  // namespace

std::optional<PanelField> ExplorerControls::FieldOf(const QWidget* widget) const {
    for (size_t index = 0; index < fields.size(); ++index) {
        if (fields[index] == widget) return static_cast<PanelField>(index);
    }
    return std::nullopt;
}

ExplorerControls BuildExplorerControls(QWidget* window) {
    ExplorerControls ui;
    // The picture area is placed by hand around its fixed centre; everything else is laid out.
    auto* imageArea = new QWidget(window);
    imageArea->setFixedSize(kImageArea);
    ui.pic = new PictureBox(imageArea);

    auto* rightColumn = new QVBoxLayout;
    rightColumn->setContentsMargins(0, 6, 0, 0);
    rightColumn->addWidget(BuildProgressFrame(ui, window));
    rightColumn->addWidget(BuildCommands(ui, window));
    rightColumn->addWidget(BuildRangesFrame(ui, window));
    rightColumn->addStretch(1);
    auto* lowerRight = new QVBoxLayout;
    lowerRight->addWidget(BuildResolutionFrame(ui, window));
    lowerRight->addWidget(BuildDescriptionFrame(ui, window), 1);
    lowerRight->addWidget(BuildZoomFrame(ui, window), 1);

    auto* layout = new QGridLayout(window);
    layout->setContentsMargins(0, 0, 8, 8);
    layout->setVerticalSpacing(2);
    layout->addWidget(imageArea, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->addLayout(rightColumn, 0, 1);
    auto* panelRow = new QHBoxLayout;
    panelRow->setContentsMargins(8, 0, 0, 0);
    panelRow->addWidget(BuildPanel(ui, window));
    layout->addLayout(panelRow, 1, 0);
    layout->addLayout(lowerRight, 1, 1);
    layout->setColumnStretch(1, 1);
    return ui;
}

}  // namespace zenphra::app
