// Exploring the way people are used to: the wheel zooming about the pointer, Back and Forward through
// the images shown, the parameters on the clipboard, and an image file dropped on the window.
#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QWheelEvent>

#include "app/imagefiles/get_fname.h"
#include "tests/gui/gui_test_support.h"

namespace zenphra::app {

class ExplorerExploreTest : public ExplorerTestCase {
    Q_OBJECT

  private:
    QAction* Item(const char* name) const { return Find<QAction>(*window_, name); }

    // One notch of the wheel over the picture pixel, up (away from the user) or down, and the plot it
    // starts.
    void Wheel(QPoint pixel, bool up, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* pic = Widget("pic");
        const QPointF at = pixel + QPointF(kPictureBorder, kPictureBorder);
        QWheelEvent wheel(at, pic->mapToGlobal(at), QPoint(), QPoint(0, up ? 120 : -120), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(pic, &wheel);
        WaitUntilIdle();
    }

    void Trigger(const char* item) {
        Item(item)->trigger();
        WaitUntilIdle();
    }

    const FractalParams& Params() const { return window_->Session().Params(); }

  private slots:
    void theWheelZoomsAboutThePointerAndBackAgain() {
        PlotRows();
        const FractalParams first = Params();
        Wheel(QPoint(30, 20), true);
        QCOMPARE(Params().TotalMagnify, 2.0);
        QVERIFY(Params().PrevRealCenter < first.PrevRealCenter);  // towards the left of the picture
        QVERIFY(Params().PrevImagCenter > first.PrevImagCenter);  // and its top
        QCOMPARE(Text("lblY"), QStringLiteral("Done"));
        Wheel(QPoint(30, 20), false);
        QCOMPARE(Params().TotalMagnify, first.TotalMagnify);
        QCOMPARE(Params().PrevRealCenter, first.PrevRealCenter);
        QCOMPARE(Params().PrevImagCenter, 0.0);
        Wheel(QPoint(80, 60), true, Qt::ControlModifier);
        QCOMPARE(Params().TotalMagnify, 1.25);

        // The panel is checked first: when a check fails, nothing is zoomed and nothing plotted.
        MessageRecorder messages;
        const QString centre = Field("txtCx")->text();
        TypeInto(Field("txtMagnify"), QStringLiteral("-"));
        Wheel(QPoint(30, 20), true);
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("The value for Magnification is invalid.")});
        QCOMPARE(Field("txtCx")->text(), centre);
        QCOMPARE(Field("txtMagnify")->text(), QStringLiteral("-"));
        QCOMPARE(Params().PrevRealCenter, -0.5);
        QCOMPARE(Text("lblY"), QStringLiteral("Done"));
    }

    void theWheelLeavesAStoppedOrRunningPlotAlone() {
        PlotPausingAt(30);
        Wheel(QPoint(30, 20), true);
        QCOMPARE(Params().TotalMagnify, 1.0);
        QCOMPARE(window_->Session().StartY(), 30);

        bool zoomedWhilePlotting = false;
        TypeInto(Widget("txtMaxIter"), QStringLiteral("100"));
        PlotRows([&](int32_t row) {
            if (row != 40) return;
            QWheelEvent wheel(QPointF(20, 20), QPointF(20, 20), QPoint(), QPoint(0, 120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(Widget("pic"), &wheel);
            zoomedWhilePlotting = Params().TotalMagnify != 1.0;
        });
        QVERIFY(!zoomedWhilePlotting);
    }

    void backAndForwardGoThroughTheImagesShown() {
        QVERIFY(!Item("mnuBack")->isEnabled());
        PlotRows();
        Wheel(QPoint(100, 50), true);
        const FractalParams second = Params();
        Wheel(QPoint(40, 70), true);
        QCOMPARE(Params().TotalMagnify, 4.0);

        Trigger("mnuBack");
        QCOMPARE(Params(), second);
        Trigger("mnuBack");
        QCOMPARE(Params().TotalMagnify, 1.0);
        QCOMPARE(Params().PrevRealCenter, -0.5);
        QVERIFY(!Item("mnuBack")->isEnabled());
        Trigger("mnuForward");
        QCOMPARE(Params(), second);
        QCOMPARE(Item("mnuBack")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Left));

        // The history outlives the window, the newest image last.
        CloseAndRestart();
        QVERIFY(!Item("mnuForward")->isEnabled());
        Trigger("mnuBack");
        QCOMPARE(Params(), second);
    }

    void copiedParametersPasteIntoAnotherWindow() {
        RestartWith({{"EqnType", "124"}, {"JuliaReal", "0.85"}, {"Rendering", "9"}, {"Parm1", "0.3"}});
        PlotRows();
        const FractalParams copied = Params();
        Item("mnuCopyParams")->trigger();
        QVERIFY(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("Clipboard\r\n")));

        RestartWith({});
        Trigger("mnuPasteParams");
        QCOMPARE(Params(), copied);
        QCOMPARE(Text("lblY"), QStringLiteral("Done"));

        MessageRecorder messages;
        QGuiApplication::clipboard()->setText(QStringLiteral("not an entry"));
        Trigger("mnuPasteParams");
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("Error loading \"Clipboard\"")});
        QCOMPARE(Params(), copied);
    }

    void aDroppedImageLoadsAsTheLoadCommandLoadsIt() {
        RestartWith({{"EqnType", "0"}, {"HorRes", "320"}, {"VertRes", "240"}, {"MaxIters", "40"}});
        PlotRows();
        const FractalParams saved = Params();
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("dropped.png"));
        const FileDialogPresenter previous =
            SetFileDialogPresenter([&](const FileDialogRequest&) { return std::optional<QString>(path); });
        Button("cmdSaveImage")->click();
        SetFileDialogPresenter(previous);

        RestartWith({});
        QMimeData files;
        files.setUrls({QUrl::fromLocalFile(path)});
        const QPoint at(50, 50);
        QDragEnterEvent enter(at, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window_.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window_.get(), &drop);
        QTRY_COMPARE(Params(), saved);
        QCOMPARE(Text("lblY"), QStringLiteral("Done"));
        QVERIFY(window_->windowTitle().endsWith(path));

        // Anything but one image file is refused.
        QMimeData text;
        text.setText(QStringLiteral("dropped.png"));
        QDragEnterEvent refused(at, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
        refused.setAccepted(false);
        QCoreApplication::sendEvent(window_.get(), &refused);
        QVERIFY(!refused.isAccepted());
    }

    void aDroppedParameterFileOpensTheLoadDialogOnIt() {
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("dropped.prm"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        Item("mnuCopyParams")->trigger();
        const QString entry = QGuiApplication::clipboard()->text();
        file.write(entry.toLatin1().replace("Max Iters =100", "Max Iters =77"));
        file.close();

        QMimeData files;
        files.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window_.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPoint(50, 50), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        // The dialog opens once the drop has ended.
        bool loaded = false;
        WithDialog(
            [&] {
                QCoreApplication::sendEvent(window_.get(), &drop);
                QVERIFY(QTest::qWaitFor([&] { return loaded; }));
            },
            [&](QDialog& dialog) {
                QCOMPARE(dialog.objectName(), QStringLiteral("frmLoadParms"));
                Find<QPushButton>(dialog, "cmdLoad")->click();
                loaded = true;
            });
        WaitUntilIdle();
        QCOMPARE(Params().MaxIters, 77);
        QCOMPARE(Text("lblY"), QStringLiteral("Done"));
    }
};

}  // namespace zenphra::app

QTEST_MAIN(zenphra::app::ExplorerExploreTest)
#include "explorer_explore_test.moc"
