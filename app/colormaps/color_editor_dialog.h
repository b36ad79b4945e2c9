// The colormap editor window, one design for two, four and eight ranges (frmEditColors2, 4 and 8). The
// main window opens it modally while no plot runs; every colour the user accepts re-colours the main
// picture at once through the context's `recoloured`. The window only reads its controls and shows what
// the editor (color_editor.h) says.
#pragma once

#include <QDialog>
#include <array>

#include "app/colormaps/color_editor.h"

class QLabel;
class QPushButton;
class QScrollBar;
class QWidget;

namespace zenphra::app {

class ColorBoxes;
class HlsPicker;

class ColorEditorDialog : public QDialog {
    Q_OBJECT

  public:
    // The HLS strips' width in pixels.
    static constexpr int32_t kPickerWidth = 180;

    ColorEditorDialog(const ColorEditorContext& context, QWidget* parent);

    const ColorEditor& Editor() const { return editor_; }

    // Escape and the window's close button undo the changes, as Cancel does: only OK keeps them.
    void reject() override;

  protected:
  private:
    QWidget* BuildRgbInput();
    QWidget* BuildHlsInput();
    QWidget* BuildCommands();
    void Connect();

    void BoxClicked(int32_t box);
    void ScrollbarChanged(RgbChannel channel, int value);
    void UseHls(bool on);
    void Ok();
    void Cancel();
    // Shows the editor's state in every control.
    void ShowState();

    ColorEditor editor_;
    EditorPlacement placement_;

    ColorBoxes* boxes_ = nullptr;
    QWidget* framRGB_ = nullptr;
    std::array<QScrollBar*, 3> scrollbars_{};  // hsbRed, hsbGrn, hsbBlu
    std::array<QLabel*, 3> rgbLabels_{};       // lblRed, lblGrn, lblBlu
    QWidget* framHLS_ = nullptr;
    std::array<HlsPicker*, 3> pickers_{};  // picHue, picSat, picLum
    std::array<QLabel*, 3> hlsLabels_{};   // lblH, lblS, lblL
    QLabel* lblInstruct_ = nullptr;
    QPushButton* cmdHLS_ = nullptr;
    QPushButton* cmdRGB_ = nullptr;
    QPushButton* cmdLeft_ = nullptr;
    QPushButton* cmdRight_ = nullptr;
    QPushButton* cmdLoad_ = nullptr;
    QPushButton* cmdSave_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
};

}  // namespace zenphra::app
