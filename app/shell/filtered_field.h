// A one-line text field that takes only the keys its filter lets through, as the program's numeric
// fields do: the whole text is selected when the field gets the focus, typing replaces a selection,
// Enter moves on to the next control as Tab does, and nothing can be pasted or dropped past the filter.
#pragma once

#include <QLineEdit>
#include <functional>

namespace zenphra::app {

class FilteredField : public QLineEdit {
    Q_OBJECT

  public:
    // Gets the key's character code (8 for Backspace) and the field's text without surrounding blanks;
    // returns the code to accept the key, 0 to discard it.
    using KeyFilter = std::function<int(int keyCode, const QString& text)>;

    FilteredField(const QString& objectName, KeyFilter filter, QWidget* parent);

    // Replaces the text and shows it from its first character.
    void ShowText(const QString& text);

  signals:
    // The focus went to another control of the same window (not to another window or a pop-up).
    void LostFocus();

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

  private:
    KeyFilter filter_;
};

}  // namespace zenphra::app
