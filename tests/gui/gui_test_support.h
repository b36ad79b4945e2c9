// Helpers for the tests that drive the explorer's real widgets: a settings folder of their own, the
// library bound as the program binds it, messages recorded instead of shown, and the user's actions on
// controls found by their names.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "app/explorer/explorer_window.h"
#include "app/shell/messages.h"

namespace zenphra::app {

// Binds the library beside the test program and points the settings store at a temporary folder;
// false when the library cannot be bound.
bool PrepareGuiTests(const QTemporaryDir& settingsFolder);

// Removes every stored setting, so the next window starts as on a first run.
void ForgetSettings();
// Stores one value of the explorer's section.
void StoreSetting(const char* key, const QString& text);

// Records every message while it lives and answers it with OK.
class RecordedMessages {
  public:
    RecordedMessages();
    ~RecordedMessages();
    RecordedMessages(const RecordedMessages&) = delete;
    RecordedMessages& operator=(const RecordedMessages&) = delete;

    QStringList Texts() const;
    const QList<Message>& All() const { return messages_; }

  private:
    MessagePresenter previous_;
    QList<Message> messages_;
};

// A new explorer window, shown and active, as the program starts it.
std::unique_ptr<ExplorerWindow> StartExplorer();

// The control of that name in the window; fails the test when there is none.
template <typename Control>
Control* Find(const QWidget& window, const char* name) {
    auto* control = window.findChild<Control*>(QString::fromLatin1(name));
    if (control == nullptr) qFatal("no control named %s", name);
    return control;
}

// The user chooses the entry with this caption from the list.
void Choose(QComboBox* list, const QString& caption);
// The user enters the field (which selects its text) and types the keys.
void TypeInto(QWidget* field, const QString& keys);

// Runs `action` on the modal dialog as soon as it is open; `opener` opens it and returns when it closes.
void WithDialog(const std::function<void()>& opener, const std::function<void(QDialog&)>& action);

}  // namespace zenphra::app
