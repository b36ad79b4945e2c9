#include "app/explorer/option_group.h"

#include <utility>

namespace zenphra::app {

void OptionGroup::Add(QRadioButton* option, std::function<void()> onChoose) {
    option->setAutoExclusive(false);
    entries_.append({option, std::move(onChoose)});
    connect(option, &QRadioButton::clicked, this, [this, option](bool checked) {
        // A click on the selected option would clear it: it stays selected, and nothing is chosen.
        if (!checked) {
            option->setChecked(true);
            return;
        }
        Show(option);
        for (const Entry& entry : entries_) {
            if (entry.option == option) entry.onChoose();
        }
    });
}

void OptionGroup::Show(const QRadioButton* option) {
    for (const Entry& entry : entries_) entry.option->setChecked(entry.option == option);
}

}  // namespace zenphra::app
