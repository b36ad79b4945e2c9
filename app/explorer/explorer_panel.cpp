// The parameter panel: which fields each choice shows, what the fields store, and the checks before a
// plot.
#include <array>
#include <cmath>

#include "app/common/list_tables.h"
#include "app/common/messages.h"
#include "app/common/text_lines.h"
#include "app/common/valid_num.h"
#include "app/explorer/explorer_window.h"
#include "app/explorer/option_group.h"

namespace zenphra::app {
namespace {

using Controls = ExplorerControls;
using Params = FractalParams;

// A text field of the panel: the value behind it and how Plot checks it. Exactly one of `decimal` and
// `whole` is set.
struct PanelField {
    FilteredField* Controls::*field;
    const char* blankName;  // in "<name> is blank."
    const char* checkName;  // in "The value for <name> is invalid."
    const char* allowed;
    double Params::*decimal;
    int32_t Params::*whole;
    bool readByCheck;  // the check itself stores the value (Plot reads the others from the panel)
};

constexpr const char* kSigned = "0123456789.-";
constexpr const char* kUnsigned = "0123456789.";
constexpr const char* kDigits = "0123456789";

// In the order of the character checks.
constexpr std::array<PanelField, 12> kFields{{
    {&Controls::txtCx, "Center Real", "Center Real", kSigned, &Params::PrevRealCenter, nullptr, false},
    {&Controls::txtCy, "Center Imag", "Center Imag", kSigned, &Params::PrevImagCenter, nullptr, false},
    {&Controls::txtAngle, "Angle", "Angle", kSigned, &Params::TotalAngleDeg, nullptr, false},
    {&Controls::txtMagnify, "Magnification", "Magnification", kUnsigned, &Params::TotalMagnify, nullptr,
     false},
    {&Controls::txtLimitValue, "Iteration Loop Early Exit Value", "Iteration Loop Early Exit Value",
     kUnsigned, &Params::LimitValue, nullptr, false},
    {&Controls::txtMaxIter, "Max Iters", "Max. Iters", kDigits, nullptr, &Params::MaxIters, false},
    {&Controls::txtSkipIter, "Skip Iters", "Skip Iters", kDigits, nullptr, &Params::ItersToSkip, false},
    {&Controls::txtJuliaX, "Julia Real", "Julia Real", kSigned, &Params::JuliaReal, nullptr, true},
    {&Controls::txtJuliaY, "Julia Imag", "Julia Imag", kSigned, &Params::JuliaImag, nullptr, true},
    {&Controls::txtP1, "P1", "P1", kUnsigned, &Params::Parm1, nullptr, true},
    {&Controls::txtP2, "P2", "P2", kUnsigned, &Params::Parm2, nullptr, true},
    {&Controls::txtP3, "P3", "P3", kUnsigned, &Params::Parm3, nullptr, true},
}};

// The blank checks take the fields in the panel's reading order.
constexpr std::array<FilteredField * Controls::*, 12> kBlankOrder{
    &Controls::txtCx,      &Controls::txtCy,       &Controls::txtMagnify,    &Controls::txtAngle,
    &Controls::txtMaxIter, &Controls::txtSkipIter, &Controls::txtLimitValue, &Controls::txtJuliaX,
    &Controls::txtJuliaY,  &Controls::txtP1,       &Controls::txtP2,         &Controls::txtP3};

const PanelField* FindField(const Controls& ui, const FilteredField* field) {
    for (const PanelField& entry : kFields) {
        if (ui.*entry.field == field) return &entry;
    }
    return nullptr;
}

bool ReportBlank(const QString& text, const char* name) {
    if (!text.isEmpty()) return false;
    ShowMessage(QString::fromLatin1(name) + QStringLiteral(" is blank."));
    return true;
}

void SetShown(QWidget* label, QWidget* field, bool shown) {
    label->setVisible(shown);
    field->setVisible(shown);
}

}  // namespace

void ExplorerWindow::ConnectPanel() {
    connect(ui_.cboEqn, &QComboBox::activated, this, &ExplorerWindow::EquationChosen);
    connect(ui_.cboRender, &QComboBox::activated, this, &ExplorerWindow::RenderingChosen);
    connect(ui_.cboFunc1, &QComboBox::activated, this,
            [this] { FunctionChosen(ui_.cboFunc1, &FractalParams::Func1); });
    connect(ui_.cboFunc2, &QComboBox::activated, this,
            [this] { FunctionChosen(ui_.cboFunc2, &FractalParams::Func2); });
    for (const PanelField& entry : kFields) {
        FilteredField* field = ui_.*entry.field;
        connect(field, &QLineEdit::textChanged, this, &ExplorerWindow::FieldEdited);
        connect(field, &FilteredField::LostFocus, this, [this, field] { StoreField(field); });
    }
    connect(ui_.cmdDefCoords, &QPushButton::clicked, this, &ExplorerWindow::SetDefaultCoordinates);
}

// A list selected by the program reacts as if the user had chosen the entry.
void ExplorerWindow::SelectListPosition(QComboBox* list, int position) {
    list->setCurrentIndex(position);
    emit list->activated(position);
}

void ExplorerWindow::EquationChosen() {
    if (loading_) return;
    startY_ = 0;
    const int32_t code = EqnCode(ui_.cboEqn->currentIndex());
    const bool chebyshev = code == kChebyshevEquation;
    SetShown(ui_.lblP3, ui_.txtP3, chebyshev);
    if (chebyshev) {
        ui_.txtP3->ShowText(QStringLiteral("5"));
        params_.Parm3 = 5.0;
    }
    ui_.lblEqnDesc->setText(EqnDesc(code));
    const int32_t rendering = RendCode(ui_.cboRender->currentIndex());
    SetShown(ui_.lblF1, ui_.cboFunc1, UsesFunc1(rendering));
    SetShown(ui_.lblF2, ui_.cboFunc2, UsesFunc2(rendering));
    params_.EqnType = static_cast<int16_t>(code);
}

void ExplorerWindow::RenderingChosen() {
    if (loading_) return;
    startY_ = 0;
    const int32_t code = RendCode(ui_.cboRender->currentIndex());
    ui_.lblRendDesc->setText(RendDesc(code));
    const bool usesP1 = code != kLevelSetRendering;
    SetShown(ui_.lblP1, ui_.txtP1, usesP1);
    if (usesP1) {
        ui_.txtP1->ShowText(QStringLiteral("0.100"));
        params_.Parm1 = 0.1;
    }
    SetShown(ui_.lblP2, ui_.txtP2, UsesP2(code));
    if (UsesP2(code)) {
        ui_.txtP2->ShowText(QStringLiteral("0.100"));
        params_.Parm2 = 0.1;
    }
    SetShown(ui_.lblF1, ui_.cboFunc1, UsesFunc1(code));
    if (UsesFunc1(code)) SelectListPosition(ui_.cboFunc1, 0);
    SetShown(ui_.lblF2, ui_.cboFunc2, UsesFunc2(code));
    if (UsesFunc2(code)) SelectListPosition(ui_.cboFunc2, 0);
    params_.Rendering = code;
}

void ExplorerWindow::FunctionChosen(QComboBox* list, int32_t FractalParams::*position) {
    if (loading_) return;
    startY_ = 0;
    params_.*position = list->currentIndex();
}

void ExplorerWindow::FieldEdited() {
    if (!loading_) startY_ = 0;
}

bool ExplorerWindow::StoreField(FilteredField* field) {
    const PanelField* entry = FindField(ui_, field);
    const QString text = field->text();
    if (entry == nullptr || text.isEmpty()) return true;
    if (entry->whole != nullptr) {
        return StoreWholeNumber(text, QString::fromLatin1(entry->checkName), params_.*entry->whole);
    }
    params_.*entry->decimal = StrToDbl(text);
    return true;
}

// A command started with its accelerator key leaves the focus in the field being edited, so the field's
// value is stored first; otherwise showing the parameters would overwrite the edit.
bool ExplorerWindow::CommitFocusedField() {
    auto* field = qobject_cast<FilteredField*>(focusWidget());
    return field == nullptr || StoreField(field);
}

void ExplorerWindow::ShowParams() {
    const bool wasLoading = loading_;
    loading_ = true;
    const int32_t equation = params_.BaseEquation();
    const int32_t rendering = params_.Rendering;
    if (const int32_t position = EquationPosition(equation); position >= 0) {
        SelectListPosition(ui_.cboEqn, position);
    }
    ui_.lblEqnDesc->setText(EqnDesc(equation));
    if (const int32_t position = RenderingPosition(rendering); position >= 0) {
        SelectListPosition(ui_.cboRender, position);
    }
    ui_.txtMaxIter->ShowText(QString::number(params_.MaxIters));
    ui_.txtSkipIter->ShowText(QString::number(params_.ItersToSkip));
    ui_.txtLimitValue->ShowText(FormatNum(params_.LimitValue, 5));

    SetShown(ui_.lblP1, ui_.txtP1, rendering != kLevelSetRendering);
    ui_.txtP1->ShowText(FormatNum(params_.Parm1, 6));
    SetShown(ui_.lblP2, ui_.txtP2, UsesP2(rendering));
    ui_.txtP2->ShowText(FormatNum(params_.Parm2, 6));
    SetShown(ui_.lblP3, ui_.txtP3, equation == kChebyshevEquation);
    ui_.txtP3->ShowText(FormatNum(std::nearbyint(params_.Parm3 + 0.1), 0));
    SetShown(ui_.lblF1, ui_.cboFunc1, UsesFunc1(rendering));
    if (UsesFunc1(rendering) && IsFunctionPosition(params_.Func1))
        SelectListPosition(ui_.cboFunc1, params_.Func1);
    SetShown(ui_.lblF2, ui_.cboFunc2, UsesFunc2(rendering));
    if (UsesFunc2(rendering) && IsFunctionPosition(params_.Func2))
        SelectListPosition(ui_.cboFunc2, params_.Func2);

    ui_.txtCx->ShowText(FormatNum(params_.PrevRealCenter, 20));
    ui_.txtCy->ShowText(FormatNum(params_.PrevImagCenter, 20));
    ui_.txtMagnify->ShowText(FormatNum(params_.TotalMagnify, 20));
    ui_.txtAngle->ShowText(FormatNum(params_.TotalAngleDeg, 20));

    const bool julia = params_.JuliaMode();
    SetShown(ui_.lblJuliaX, ui_.txtJuliaX, julia);
    SetShown(ui_.lblJuliaY, ui_.txtJuliaY, julia);
    ui_.txtJuliaX->ShowText(FormatNum(params_.JuliaReal, 20));
    ui_.txtJuliaY->ShowText(FormatNum(params_.JuliaImag, 20));
    ui_.cmdSwitch->setText(julia ? QStringLiteral("Switch to Mset") : QStringLiteral("Switch to Julia Set"));

    const int32_t ranges = UsedRanges(params_.NumRanges);
    rangeOptions_->Select(ranges == 8 ? ui_.optEight : ranges == 4 ? ui_.optFour : ui_.optTwo);
    SelectResolutionOf(params_.HorRes, params_.VertRes);
    ui_.lblRendDesc->setText(RendDesc(rendering));
    loading_ = wasLoading;
}

bool ExplorerWindow::ValidateParams() {
    if (!CheckBlanks() || !CheckCharacters()) return false;
    ShowParams();
    return true;
}

bool ExplorerWindow::CheckBlanks() const {
    if (ReportBlank(ui_.cboEqn->currentText(), "Equation")) return false;
    if (ReportBlank(ui_.cboRender->currentText(), "Rendering")) return false;
    for (FilteredField* Controls::*member : kBlankOrder) {
        const FilteredField* field = ui_.*member;
        if (!field->isHidden() && ReportBlank(field->text(), FindField(ui_, field)->blankName)) return false;
    }
    if (!ui_.cboFunc1->isHidden() && ReportBlank(ui_.cboFunc1->currentText(), "Func 1")) return false;
    return ui_.cboFunc2->isHidden() || !ReportBlank(ui_.cboFunc2->currentText(), "Func 2");
}

bool ExplorerWindow::CheckCharacters() {
    for (const PanelField& entry : kFields) {
        const FilteredField* field = ui_.*entry.field;
        if (field->isHidden()) continue;
        const QString text = field->text().trimmed();
        if (!ValidChars(text, QString::fromLatin1(entry.allowed), QString::fromLatin1(entry.checkName))) {
            return false;
        }
        if (entry.readByCheck) params_.*entry.decimal = StrToDbl(text);
    }
    return true;
}

void ExplorerWindow::ReadPanel() {
    const bool julia = !ui_.txtJuliaX->isHidden();
    params_.EqnType = static_cast<int16_t>(EqnCode(ui_.cboEqn->currentIndex()) + (julia ? kJuliaOffset : 0));
    params_.Rendering = RendCode(ui_.cboRender->currentIndex());
    for (const PanelField& entry : kFields) {
        if (entry.readByCheck) continue;
        const QString text = (ui_.*entry.field)->text();
        if (entry.whole != nullptr) {
            params_.*entry.whole = ParseInt32(text).value_or(params_.*entry.whole);
        } else {
            params_.*entry.decimal = StrToDbl(text);
        }
    }
    params_.Func1 = ui_.cboFunc1->isHidden() ? 0 : ui_.cboFunc1->currentIndex();
    params_.Func2 = ui_.cboFunc2->isHidden() ? 0 : ui_.cboFunc2->currentIndex();
}

void ExplorerWindow::SetDefaultCoordinates() {
    ui_.txtCx->ShowText(QStringLiteral("0.0"));
    ui_.txtCy->ShowText(QStringLiteral("0.0"));
    ui_.txtAngle->ShowText(QStringLiteral("0"));
    ui_.txtMagnify->ShowText(QStringLiteral("1.0"));
    startY_ = 0;
    params_.PrevRealCenter = StrToDbl(ui_.txtCx->text());
    params_.PrevImagCenter = StrToDbl(ui_.txtCy->text());
    params_.TotalMagnify = StrToDbl(ui_.txtMagnify->text());
    params_.TotalAngleDeg = StrToDbl(ui_.txtAngle->text());
    Plot();
}

}  // namespace zenphra::app
