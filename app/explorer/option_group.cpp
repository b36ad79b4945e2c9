#include "app/explorer/option_group.h"

#include <utility>

namespace zenphra::app {

void OptionGroup::Add(QRadioButton* option, std::function<void()> onSelect) {
    option->setAutoExclusive(false);
    entries_.append({option, std::move(onSelect)});
    // A click on a selected option would clear it; selecting it again keeps it selected.
    connect(option, &QRadioButton::clicked, this, [this, option] { Select(option); });
}

void OptionGroup::Select(QRadioButton* option) {
    for (const Entry& entry : entries_) entry.option->setChecked(entry.option == option);
    for (const Entry& entry : entries_) {
        if (entry.option == option) entry.onSelect();
    }
}

void OptionGroup::SelectNone() {
    for (const Entry& entry : entries_) entry.option->setChecked(false);
}

}  // namespace zenphra::app
