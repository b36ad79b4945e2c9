// Helpers for the tests that drive the explorer's real widgets: a settings folder of their own, the
// library bound as the program binds it, a fresh window for every test, and the user's actions on
// controls found by their names. Messages are recorded with MessageRecorder.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <utility>

#include "app/explorer/explorer_window.h"
#include "tests/app/message_recorder.h"

namespace zenphra::app {

// The control of that name in the window; ends the test program when there is none.
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

// The palette indices of an image file, row by row.
QByteArray IndexBytes(const QString& path);

// Runs `action` on the modal dialog as soon as it is open; `opener` opens it and returns when it closes.
void WithDialog(const std::function<void()>& opener, const std::function<void(QDialog&)>& action);

// Every test starts with a new explorer window, shown and active, on a first run.
class ExplorerTestCase : public QObject {
    Q_OBJECT

  protected:
    using Settings = std::initializer_list<std::pair<const char*, QString>>;

    // Closes the window without saving and starts a new one with only these values stored.
    void RestartWith(Settings settings);
    // Stores the explorer's settings as a close does, and starts a new window that reads them.
    void CloseAndRestart();

    // The window's controls by name.
    QWidget* Widget(const char* name) const { return Find<QWidget>(*window_, name); }
    QLineEdit* Field(const char* name) const { return Find<QLineEdit>(*window_, name); }
    QComboBox* List(const char* name) const { return Find<QComboBox>(*window_, name); }
    QPushButton* Button(const char* name) const { return Find<QPushButton>(*window_, name); }
    QRadioButton* Option(const char* name) const { return Find<QRadioButton>(*window_, name); }
    QString Text(const char* label) const { return Find<QLabel>(*window_, label)->text(); }
    bool Shown(const char* name) const { return !Widget(name)->isHidden(); }
    // The resolution options that are selected.
    QStringList SelectedResolutions() const;

    // Clicks Plot and returns the rows plotted once the run has stopped. `atRow` runs on the test's
    // thread after each row is plotted, with the run held until it returns, so it can pause the run at
    // an exact row.
    QList<int32_t> PlotRows(const std::function<void(int32_t)>& atRow = {});
    // Plots and pauses after the row.
    QList<int32_t> PlotPausingAt(int32_t pauseRow);
    // Waits until no plot run is going.
    void WaitUntilIdle() const;

    std::unique_ptr<ExplorerWindow> window_;

  private slots:
    void initTestCase();
    void init();
    void cleanup() { window_.reset(); }

  private:
    QTemporaryDir settings_;
};

}  // namespace zenphra::app
