// Option buttons that exclude one another like a radio group but can also show none selected, which a
// custom image size or an option that only opens a dialog needs. A click chooses an option and runs its
// handler; the program only shows which option is selected, and runs nothing.
#pragma once

#include <QList>
#include <QObject>
#include <QRadioButton>
#include <functional>

namespace zenphra::app {

class OptionGroup : public QObject {
    Q_OBJECT

  public:
    explicit OptionGroup(QObject* parent) : QObject(parent) {}

    // Adds the option; a click on it, unless it is selected already, selects it and runs `onChoose`.
    void Add(QRadioButton* option, std::function<void()> onChoose);

    // Shows the option alone selected, or none.
    void Show(const QRadioButton* option);
    void ShowNone() { Show(nullptr); }

    // Clears the option.
    static void Clear(QRadioButton* option) { option->setChecked(false); }

  private:
    struct Entry {
        QRadioButton* option;
        std::function<void()> onChoose;
    };
    QList<Entry> entries_;
};

}  // namespace zenphra::app
