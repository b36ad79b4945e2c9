#include "tests/gui/gui_test_support.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include "app/common/engine_api.h"
#include "app/explorer/image_history.h"
#include "app/shell/explorer_settings.h"
#include "app/shell/reg_settings.h"
#include "app/shell/startup_check.h"

namespace zenphra::app {
namespace {

std::unique_ptr<ExplorerWindow> StartExplorer() {
    auto window = std::make_unique<ExplorerWindow>();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get())) qFatal("the explorer window did not become active");
    return window;
}

}  // namespace

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

QByteArray IndexBytes(const QString& path) {
    const QImage image(path);
    if (image.format() != QImage::Format_Indexed8) return {};
    QByteArray indices;
    for (int y = 0; y < image.height(); ++y) {
        indices.append(reinterpret_cast<const char*>(image.constScanLine(y)), image.width());
    }
    return indices;
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

void ExplorerTestCase::initTestCase() {
    QVERIFY(settings_.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_.path());
    QVERIFY(CheckEngineLibrary(EngineLibraryPath()));
}

void ExplorerTestCase::init() {
    CRegSettings().DeleteSetting(kExplorerSection, QString());
    QFile::remove(ImageHistoryPath(CRegSettings()));
    window_ = StartExplorer();
}

void ExplorerTestCase::RestartWith(Settings settings) {
    window_.reset();
    const CRegSettings store;
    store.DeleteSetting(kExplorerSection, QString());
    for (const auto& [key, text] : settings)
        store.SaveSetting(kExplorerSection, QString::fromLatin1(key), text);
    window_ = StartExplorer();
}

void ExplorerTestCase::CloseAndRestart() {
    if (!window_->close()) qFatal("the explorer window refused to close");
    window_.reset();
    window_ = StartExplorer();
}

QList<int32_t> ExplorerTestCase::PlotRows(const std::function<void(int32_t)>& atRow) {
    QList<int32_t> rows;
    window_->Runner().SetRowObserver([&](int32_t row) {
        QMetaObject::invokeMethod(
            window_.get(),
            [&] {
                rows << row;
                if (atRow) atRow(row);
            },
            Qt::BlockingQueuedConnection);
    });
    Button("cmdPlot")->click();
    WaitUntilIdle();
    window_->Runner().SetRowObserver({});
    return rows;
}

QList<int32_t> ExplorerTestCase::PlotPausingAt(int32_t pauseRow) {
    return PlotRows([&](int32_t row) {
        if (row == pauseRow) Button("cmdPause")->click();
    });
}

void ExplorerTestCase::WaitUntilIdle() const {
    if (!QTest::qWaitFor([this] { return !window_->Session().RunGoing(); }, 120000)) {
        qFatal("the plot run did not stop");
    }
}

QStringList ExplorerTestCase::SelectedResolutions() const {
    QStringList selected;
    for (const QRadioButton* option : Widget("framRes")->findChildren<QRadioButton*>()) {
        if (option->isChecked()) selected << option->objectName();
    }
    return selected;
}

}  // namespace zenphra::app
