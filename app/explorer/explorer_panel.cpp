// The parameter panel's widgets: they show what the session's panel rules say and hand every edit and
// choice to the session.
#include "app/common/list_tables.h"
#include "app/common/messages.h"
#include "app/explorer/explorer_window.h"
#include "app/explorer/julia_switch.h"
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
    for (const auto& [list, function] :
         {std::pair(ui_.cboFunc1, &FractalParams::Func1), std::pair(ui_.cboFunc2, &FractalParams::Func2)}) {
        connect(list, &QComboBox::activated, this, [this, function](int position) {
            if (const CommandGuard command(*this, &ControlStates::Panel); command) {
                session_.FunctionChosen(function, position);
            }
        });
    }
    // Only what the user types is an edit: the texts the window shows change nothing.
    for (int index = 0; index < kPanelFieldCount; ++index) {
        const auto field = static_cast<PanelField>(index);
        FilteredField* widget = ui_.Field(field);
        connect(widget, &QLineEdit::textEdited, this, [this] { session_.FieldEdited(); });
        connect(widget, &FilteredField::LostFocus, this, [this, field] { StoreField(field); });
    }
    connect(ui_.cmdDefCoords, &QPushButton::clicked, this, &ExplorerWindow::SetDefaultCoordinates);
}

void ExplorerWindow::EquationChosen() {
    const CommandGuard command(*this, &ControlStates::Panel);
    if (!command) return;
    const int32_t code = EqnCode(ui_.cboEqn->currentIndex());
    ShowStarts(session_.EquationChosen(code));
    ui_.lblEqnDesc->setText(EqnDesc(code));
    ShowFieldsOf(session_.Shown());
}

void ExplorerWindow::RenderingChosen() {
    const CommandGuard command(*this, &ControlStates::Panel);
    if (!command) return;
    const int32_t code = RendCode(ui_.cboRender->currentIndex());
    const std::vector<FieldStart> starts = session_.RenderingChosen(code);
    ui_.lblRendDesc->setText(RendDesc(code));
    ShowStarts(starts);
    const PanelShown shown = session_.Shown();
    ShowFieldsOf(shown);
    if (shown.Func1) ui_.cboFunc1->setCurrentIndex(session_.Params().Func1);
    if (shown.Func2) ui_.cboFunc2->setCurrentIndex(session_.Params().Func2);
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
    return Checked(session_.FieldLeft(field, ui_.Field(field)->text()));
}

// A command started with its accelerator key leaves the focus in the field being edited, so the field's
// value is stored first; otherwise showing the parameters would overwrite the edit.
bool ExplorerWindow::CommitFocusedField() {
    const std::optional<PanelField> field = ui_.FieldOf(focusWidget());
    return !field || StoreField(*field);
}

bool ExplorerWindow::Checked(const std::optional<QString>& message) {
    if (message) ShowMessage(*message);
    return !message;
}

void ExplorerWindow::ShowFields(std::initializer_list<PanelField> fields) {
    for (const PanelField field : fields) ui_.Field(field)->ShowText(FieldText(field, session_.Params()));
}

void ExplorerWindow::ShowParams() {
    const FractalParams& params = session_.Params();
    const PanelTexts shown = ShownPanel(params, PanelTextsNow());
    ui_.cboEqn->setCurrentIndex(shown.equationPosition);
    ui_.lblEqnDesc->setText(EqnDesc(params.BaseEquation()));
    ui_.cboRender->setCurrentIndex(shown.renderingPosition);
    for (int index = 0; index < kPanelFieldCount; ++index) {
        const auto field = static_cast<PanelField>(index);
        ui_.Field(field)->ShowText(shown[field]);
    }
    ShowFieldsOf(session_.Shown());
    ui_.cboFunc1->setCurrentIndex(shown.func1Position);
    ui_.cboFunc2->setCurrentIndex(shown.func2Position);
    ui_.cmdSwitch->setText(SwitchCaption(session_.JuliaMode()));

    const int32_t ranges = UsedRanges(params.NumRanges);
    rangeOptions_->Show(ranges == 8 ? ui_.optEight : ranges == 4 ? ui_.optFour : ui_.optTwo);
    ShowResolutionOf(params.HorRes, params.VertRes);
    ui_.lblRendDesc->setText(RendDesc(params.Rendering));
}

void ExplorerWindow::SetDefaultCoordinates() {
    const CommandGuard command(*this, &ControlStates::Panel);
    if (!command) return;
    ui_.txtCx->ShowText(QStringLiteral("0.0"));
    ui_.txtCy->ShowText(QStringLiteral("0.0"));
    ui_.txtAngle->ShowText(QStringLiteral("0"));
    ui_.txtMagnify->ShowText(QStringLiteral("1.0"));
    session_.DefaultCoordinatesChosen();
    Plot();
}

}  // namespace zenphra::app
