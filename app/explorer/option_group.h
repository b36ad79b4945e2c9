// Option buttons that exclude one another like a radio group but can also show none selected, which a
// custom image size or an option that only opens a dialog needs. Selecting an option from the program
// runs its handler just as a click does.
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

    // Adds the option; a click on it selects it and runs `onSelect`.
    void Add(QRadioButton* option, std::function<void()> onSelect);

    // Selects the option alone and runs its handler.
    void Select(QRadioButton* option);

    // Clears every option without running anything.
    void SelectNone();

    // Clears the option without running anything.
    static void Clear(QRadioButton* option) { option->setChecked(false); }

  private:
    struct Entry {
        QRadioButton* option;
        std::function<void()> onSelect;
    };
    QList<Entry> entries_;
};

}  // namespace zenphra::app
