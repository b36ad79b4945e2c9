// The parameter panel's widgets: they show what the session's panel rules say and hand every edit and
// choice to the session.
#include "app/common/list_tables.h"
#include "app/common/messages.h"
#include "app/explorer/explorer_window.h"
#include "app/explorer/option_group.h"

namespace zenphra::app {
namespace {

void SetShown(QWidget* label, QWidget* field, bool shown) {
    label->setVisible(shown);
    field->setVisible(shown);
}

}  // namespace

void ExplorerWindow::ConnectPanel() {
    connect(ui_.cboEqn, &QComboBox::activated, this, &ExplorerWindow::EquationChosen);
    connect(ui_.cboRender, &QComboBox::activated, this, &ExplorerWindow::RenderingChosen);
    connect(ui_.cboFunc1, &QComboBox::activated, this,
            [this](int position) { session_.FunctionChosen(&FractalParams::Func1, position); });
    connect(ui_.cboFunc2, &QComboBox::activated, this,
            [this](int position) { session_.FunctionChosen(&FractalParams::Func2, position); });
    for (int index = 0; index < kPanelFieldCount; ++index) {
        const auto field = static_cast<PanelField>(index);
        FilteredField* widget = ui_.Field(field);
        connect(widget, &QLineEdit::textChanged, this, [this, field] { session_.FieldEdited(field); });
        connect(widget, &FilteredField::LostFocus, this, [this, field] { StoreField(field); });
    }
    connect(ui_.cmdDefCoords, &QPushButton::clicked, this, &ExplorerWindow::SetDefaultCoordinates);
}

// A list selected by the program reacts as if the user had chosen the entry.
void ExplorerWindow::SelectListPosition(QComboBox* list, int position) {
    list->setCurrentIndex(position);
    emit list->activated(position);
}

void ExplorerWindow::EquationChosen() {
    const int32_t code = EqnCode(ui_.cboEqn->currentIndex());
    const auto starts = session_.EquationChosen(code);
    if (!starts) return;
    ShowStarts(*starts);
    ui_.lblEqnDesc->setText(EqnDesc(code));
    ShowFieldsOf(session_.Shown());
}

void ExplorerWindow::RenderingChosen() {
    const int32_t code = RendCode(ui_.cboRender->currentIndex());
    const auto starts = session_.RenderingChosen(code);
    if (!starts) return;
    ui_.lblRendDesc->setText(RendDesc(code));
    ShowStarts(*starts);
    const PanelShown shown = session_.Shown();
    ShowFieldsOf(shown);
    if (shown.Func1) ui_.cboFunc1->setCurrentIndex(session_.params.Func1);
    if (shown.Func2) ui_.cboFunc2->setCurrentIndex(session_.params.Func2);
}

void ExplorerWindow::ShowStarts(const std::vector<FieldStart>& starts) {
    for (const FieldStart& start : starts) ui_.Field(start.field)->ShowText(start.text);
}

void ExplorerWindow::ShowFieldsOf(const PanelShown& shown) {
    SetShown(ui_.lblP1, ui_.txtP1, shown.P1);
    SetShown(ui_.lblP2, ui_.txtP2, shown.P2);
    SetShown(ui_.lblP3, ui_.txtP3, shown.P3);
    SetShown(ui_.lblF1, ui_.cboFunc1, shown.Func1);
    SetShown(ui_.lblF2, ui_.cboFunc2, shown.Func2);
    SetShown(ui_.lblJuliaX, ui_.txtJuliaX, shown.Julia);
    SetShown(ui_.lblJuliaY, ui_.txtJuliaY, shown.Julia);
}

PanelTexts ExplorerWindow::PanelTextsNow() const {
    PanelTexts texts;
    texts.equation = ui_.cboEqn->currentText();
    texts.rendering = ui_.cboRender->currentText();
    texts.func1 = ui_.cboFunc1->currentText();
    texts.func2 = ui_.cboFunc2->currentText();
    texts.equationPosition = ui_.cboEqn->currentIndex();
    texts.renderingPosition = ui_.cboRender->currentIndex();
    texts.func1Position = ui_.cboFunc1->currentIndex();
    texts.func2Position = ui_.cboFunc2->currentIndex();
    for (int index = 0; index < kPanelFieldCount; ++index) {
        const auto field = static_cast<PanelField>(index);
        texts[field] = ui_.Field(field)->text();
    }
    return texts;
}

bool ExplorerWindow::StoreField(PanelField field) {
    const std::optional<QString> message = StoreFieldText(field, ui_.Field(field)->text(), session_.params);
    if (message) ShowMessage(*message);
    return !message;
}

// A command started with its accelerator key leaves the focus in the field being edited, so the field's
// value is stored first; otherwise showing the parameters would overwrite the edit.
bool ExplorerWindow::CommitFocusedField() {
    const std::optional<PanelField> field = ui_.FieldOf(focusWidget());
    return !field || StoreField(*field);
}

void ExplorerWindow::ShowParams() {
    WindowFlags& flags = session_.flags;
    const bool wasLoading = flags.Loading;
    flags.Loading = true;
    const FractalParams& params = session_.params;
    const int32_t equation = params.BaseEquation();
    if (const int32_t position = EquationPosition(equation); position >= 0) {
        SelectListPosition(ui_.cboEqn, position);
    }
    ui_.lblEqnDesc->setText(EqnDesc(equation));
    if (const int32_t position = RenderingPosition(params.Rendering); position >= 0) {
        SelectListPosition(ui_.cboRender, position);
    }
    for (int index = 0; index < kPanelFieldCount; ++index) {
        const auto field = static_cast<PanelField>(index);
        ui_.Field(field)->ShowText(FieldText(field, params));
    }
    session_.ParamsShown();
    const PanelShown shown = session_.Shown();
    ShowFieldsOf(shown);
    if (shown.Func1 && IsFunctionPosition(params.Func1)) SelectListPosition(ui_.cboFunc1, params.Func1);
    if (shown.Func2 && IsFunctionPosition(params.Func2)) SelectListPosition(ui_.cboFunc2, params.Func2);
    ui_.cmdSwitch->setText(SwitchCaption(session_.JuliaMode));

    const int32_t ranges = UsedRanges(params.NumRanges);
    rangeOptions_->Select(ranges == 8 ? ui_.optEight : ranges == 4 ? ui_.optFour : ui_.optTwo);
    SelectResolutionOf(params.HorRes, params.VertRes);
    ui_.lblRendDesc->setText(RendDesc(params.Rendering));
    flags.Loading = wasLoading;
}

bool ExplorerWindow::ValidateParams() {
    if (const std::optional<QString> message =
            CheckPanel(PanelTextsNow(), session_.Shown(), session_.params)) {
        ShowMessage(*message);
        return false;
    }
    ShowParams();
    return true;
}

void ExplorerWindow::SetDefaultCoordinates() {
    ui_.txtCx->ShowText(QStringLiteral("0.0"));
    ui_.txtCy->ShowText(QStringLiteral("0.0"));
    ui_.txtAngle->ShowText(QStringLiteral("0"));
    ui_.txtMagnify->ShowText(QStringLiteral("1.0"));
    session_.StartY = 0;
    for (const PanelField field :
         {PanelField::kCx, PanelField::kCy, PanelField::kMagnify, PanelField::kAngle}) {
        StoreFieldText(field, ui_.Field(field)->text(), session_.params);
    }
    Plot();
}

}  // namespace zenphra::app
