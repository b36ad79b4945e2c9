#include "tests/gui/gui_test_support.h"

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include "app/shell/engine_api.h"
#include "app/shell/explorer_settings.h"
#include "app/shell/reg_settings.h"
#include "app/shell/startup_check.h"

namespace zenphra::app {

bool PrepareGuiTests(const QTemporaryDir& settingsFolder) {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder.path());
    return settingsFolder.isValid() && CheckEngineLibrary(EngineLibraryPath());
}

void ForgetSettings() {
    const CRegSettings store;
    store.DeleteSetting(kExplorerSection, QString());
}

void StoreSetting(const char* key, const QString& text) {
    const CRegSettings store;
    store.SaveSetting(kExplorerSection, QString::fromLatin1(key), text);
}

RecordedMessages::RecordedMessages() {
    previous_ = SetMessagePresenter([this](const Message& message) {
        messages_.append(message);
        return MessageAnswer::kOk;
    });
}

RecordedMessages::~RecordedMessages() { SetMessagePresenter(previous_); }

QStringList RecordedMessages::Texts() const {
    QStringList texts;
    for (const Message& message : messages_) texts << message.text;
    return texts;
}

std::unique_ptr<ExplorerWindow> StartExplorer() {
    auto window = std::make_unique<ExplorerWindow>();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get())) qFatal("the explorer window did not become active");
    return window;
}

void Choose(QComboBox* list, const QString& caption) {
    const int position = list->findText(caption);
    if (position < 0) qFatal("no entry %s", qPrintable(caption));
    list->setCurrentIndex(position);
    emit list->activated(position);
}

void TypeInto(QWidget* field, const QString& keys) {
    field->setFocus();
    QTest::keyClicks(field, keys);
}

void WithDialog(const std::function<void()>& opener, const std::function<void(QDialog&)>& action) {
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        poll.stop();
        action(*dialog);
    });
    poll.start();
    opener();
}

}  // namespace zenphra::app
