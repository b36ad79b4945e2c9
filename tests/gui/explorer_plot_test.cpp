// The plot command and the options that shape the image: rows, Pause and resume, Escape, closing
// while plotting, resolutions, the custom size and the number of colour ranges.
#include <sys/resource.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/common/engine_api.h"
#include "tests/gui/gui_test_support.h"

namespace zenphra::app {

class ExplorerPlotTest : public ExplorerTestCase {
    Q_OBJECT

  private:
    QString Row() const { return Text("lblY"); }
    const PictureBox& Pic() const { return *Find<PictureBox>(*window_, "pic"); }
    const QImage& Picture() const { return Pic().Picture(); }
    QSize PictureArea() const { return Pic().size(); }

    // The image's palette indices, as the library saves them.
    QImage IndexImage() const {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("image.png"));
        if (Engine().WriteFractalFile(QFile::encodeName(path).constData(), "text") != 0) return {};
        QImage image(path);
        return image.format() == QImage::Format_Indexed8 ? image : QImage();
    }

    // The library's display bitmap as it is now.
    static QImage LibraryBitmap() {
        const int32_t handle = Engine().SetFractalColors();
        int32_t width = 0, height = 0, stride = 0;
        uint8_t* bits = nullptr;
        if (Engine().GetBitmapInfo(handle, &width, &height, &stride, &bits) == 0) return {};
        return QImage(bits, width, height, stride, QImage::Format_BGR888)
            .convertToFormat(QImage::Format_RGB32);
    }

    // The address space this process uses now, in bytes.
    static rlim_t AddressSpaceInUse() {
        QFile statm(QStringLiteral("/proc/self/statm"));
        if (!statm.open(QIODevice::ReadOnly)) return 0;
        return statm.readAll().split(' ').first().toULongLong() * static_cast<rlim_t>(sysconf(_SC_PAGESIZE));
    }

  private slots:
    void aPlotShowsEveryRowThenDone() {
        QColor unplotted;
        bool busyWhilePlotting = false;
        const QList<int32_t> rows = PlotRows([&](int32_t row) {
            if (row != 0) return;
            // The first row is always shown at once.
            unplotted = Picture().pixelColor(80, 119);
            busyWhilePlotting = !Button("cmdPlot")->isEnabled() && Button("cmdPause")->isEnabled() &&
                                !Widget("framCoords")->isEnabled() && Text("lblY") == QStringLiteral("0");
        });
        QCOMPARE(rows.size(), 120);
        QCOMPARE(rows.first(), 0);
        QCOMPARE(rows.last(), 119);
        QCOMPARE(Row(), QStringLiteral("Done"));
        QCOMPARE(window_->Session().StartY(), 0);
        QVERIFY(busyWhilePlotting);
        // Rows not yet plotted show in the picture area's own background colour.
        QCOMPARE(unplotted, Pic().BackgroundColor());
        QCOMPARE(Picture().convertToFormat(QImage::Format_RGB32), LibraryBitmap());
        QVERIFY(Picture().pixelColor(80, 60) != Picture().pixelColor(0, 0));
        QVERIFY(Button("cmdSaveImage")->isEnabled() && Button("cmdZoom")->isEnabled());
        QVERIFY(!Button("cmdPause")->isEnabled());
    }

    void aPausedImageResumesWhereItStopped() {
        QCOMPARE(PlotPausingAt(50).last(), 50);
        QCOMPARE(window_->Session().StartY(), 50);
        QCOMPARE(Row(), QStringLiteral("50"));
        const QImage paused = Picture().copy();

        // The rows already plotted stay on screen while the run goes on.
        bool keptTopRows = false;
        const QList<int32_t> rows = PlotRows([&](int32_t row) {
            if (row == 50) keptTopRows = Picture().copy(0, 0, 160, 50) == paused.copy(0, 0, 160, 50);
        });
        QCOMPARE(rows.first(), 50);
        QVERIFY(keptTopRows);
        QCOMPARE(Row(), QStringLiteral("Done"));
        const QImage resumed = Picture().copy();

        // A finished image is plotted again from its first row, the same.
        QCOMPARE(PlotRows().first(), 0);
        QCOMPARE(Picture(), resumed);
    }

    void aPausedThenResumedImageIsTheUninterruptedImage() {
        RestartWith(
            {{"EqnType", "0"}, {"HorRes", "320"}, {"VertRes", "240"}, {"Rendering", "9"}, {"Parm1", "0.1"}});
        PlotRows();
        const QImage uninterrupted = IndexImage();

        for (const int32_t pauseRow : {0, 37, 238}) {
            TypeInto(Widget("txtMaxIter"), QStringLiteral("100"));  // a new image
            PlotPausingAt(pauseRow);
            QCOMPARE(window_->Session().StartY(), pauseRow);
            QCOMPARE(PlotRows().first(), pauseRow);
            QCOMPARE(Row(), QStringLiteral("Done"));
            QCOMPARE(IndexImage(), uninterrupted);
        }
    }

    void anEditAfterPauseStartsANewImage() {
        PlotPausingAt(50);
        TypeInto(Widget("txtMaxIter"), QStringLiteral("100"));
        QCOMPARE(PlotRows().first(), 0);

        // A key the field refuses still replaces the selected text: the field is empty, and Plot says so.
        PlotPausingAt(50);
        TypeInto(Widget("txtMaxIter"), QStringLiteral("x"));
        MessageRecorder messages;
        QVERIFY(PlotRows().isEmpty());
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("Max Iters is blank.")});
    }

    void theWindowDoesNotCloseWhilePlotting() {
        MessageRecorder messages;
        bool closedWhilePlotting = true;
        PlotRows([&](int32_t row) {
            if (row == 10) closedWhilePlotting = window_->close();
            if (row == 20) Button("cmdPause")->click();
        });
        QVERIFY(!closedWhilePlotting);
        QCOMPARE(messages.texts(), QStringList{QStringLiteral(
                                       "The program cannot exit while plotting.\r\nClick the Pause button "
                                       "before exiting.")});
        QVERIFY(window_->close());
    }

    void escapeStopsALongRowAtOnce() {
        // A Julia set whose every pixel runs to a high iteration limit: a row takes far longer than the
        // test waits, and "Petals" has no shortcut that would end the orbits early.
        RestartWith({{"EqnType", "100"},
                     {"JuliaReal", "-1"},
                     {"JuliaImag", "0"},
                     {"Rendering", "9"},
                     {"Parm1", "0.000001"},
                     {"HorRes", "1600"},
                     {"VertRes", "1200"},
                     {"MaxIters", "2000000000"},
                     {"PrevRealCenter", "0"},
                     {"TotalMagnify", "10"}});
        MessageRecorder messages;
        QElapsedTimer sinceEscape;
        QTimer::singleShot(300, Button("cmdPause"), [&] {
            QVERIFY(window_->Session().RunGoing());
            sinceEscape.start();
            QTest::keyClick(Button("cmdPause"), Qt::Key_Escape);
        });
        qint64 stoppedAfter = -1;
        const auto connection =
            connect(window_.get(), &ExplorerWindow::RunEnded, [&] { stoppedAfter = sinceEscape.elapsed(); });
        QVERIFY(PlotRows().isEmpty());
        disconnect(connection);
        QVERIFY2(stoppedAfter >= 0 && stoppedAfter < 200, qPrintable(QString::number(stoppedAfter)));
        QCOMPARE(window_->Session().StartY(), 0);  // stopped in the first row: the next Plot starts afresh
        QVERIFY(messages.texts().isEmpty());
        QVERIFY(window_->Session().ImagePresent());

        // The zoom box is drawn over the empty picture of the stopped image: its top-left corner inverts
        // the background.
        Button("cmdZoom")->click();
        QCOMPARE(Picture().pixel(100, 75), Pic().BackgroundColor().rgb() ^ 0x00FFFFFFu);
        Button("cmdZoomCancel")->click();

        // An Escape pressed while idle does not stop the next run.
        QTest::keyClick(Button("cmdPlot"), Qt::Key_Escape);
        Option("opt160")->click();
        TypeInto(Widget("txtMaxIter"), QStringLiteral("50"));
        PlotRows();
        QCOMPARE(Row(), QStringLiteral("Done"));

        // Closing after an Escape shuts down and releases the library's image.
        QVERIFY(window_->close());
        QCOMPARE(Engine().SetFractalColors(), 0);
    }

    void aResolutionSetsTheShownSizeAndForgetsTheImage() {
        Option("opt1600")->click();
        QCOMPARE(window_->Session().Display().ImageFactor, 4);
        QCOMPARE(PictureArea(), QSize(404, 304));

        Option("opt320")->click();
        PlotPausingAt(30);
        Option("opt240")->click();
        QVERIFY(Picture().isNull());
        QVERIFY(!window_->Session().ImagePresent());
        QCOMPARE(window_->Session().StartY(), 0);
        QCOMPARE(Row(), QStringLiteral("0"));
        QVERIFY(!Button("cmdSaveImage")->isEnabled() && !Button("cmdZoom")->isEnabled());
        // Colours changed now have no image of the old size to re-colour.
        Option("optFour")->click();
        QVERIFY(Picture().isNull());
        // The library still holds the old image until the window shuts down.
        QVERIFY(Engine().SetFractalColors() > 0);
        QVERIFY(window_->close());
        QCOMPARE(Engine().SetFractalColors(), 0);
    }

    void theCustomSizeComesFromItsDialogAndNeverStaysSelected() {
        MessageRecorder messages;
        Option("opt240")->click();
        const auto typeAndApply = [](QDialog& dialog, const QString& width, const QString& height) {
            dialog.findChild<QLineEdit*>(QStringLiteral("txtHorRes"))->setText(width);
            dialog.findChild<QLineEdit*>(QStringLiteral("txtVerRes"))->setText(height);
            dialog.findChild<QPushButton*>(QStringLiteral("cmdApply"))->click();
        };
        WithDialog([this] { Option("optCustom")->click(); },
                   [&](QDialog& dialog) {
                       QCOMPARE(dialog.windowTitle(), QStringLiteral("Set Image Resolution"));
                       typeAndApply(dialog, "31", "100");
                       typeAndApply(dialog, "5000", "10");
                       typeAndApply(dialog, "64", "");
                       typeAndApply(dialog, "99999999999", "64");
                       QVERIFY(dialog.isVisible());
                       dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
                   });
        QCOMPARE(messages.texts(),
                 (QStringList{"Minimum resolution is 32 pixels.", "Minimum resolution is 32 pixels.",
                              "Resolution value(s) missing.", "Maximum resolution is 4096 pixels."}));
        QVERIFY(Option("opt240")->isChecked());
        QVERIFY(!Option("optCustom")->isChecked());
        QCOMPARE(window_->Session().Params().HorRes, 240);

        WithDialog([this] { Option("optCustom")->click(); },
                   [&](QDialog& dialog) { typeAndApply(dialog, " 2000", "1500 "); });
        QCOMPARE(window_->Session().Params().HorRes, 2000);
        QCOMPARE(window_->Session().Params().VertRes, 1500);
        QCOMPARE(window_->Session().Params().CustomHres, QStringLiteral("2000"));
        QCOMPARE(window_->Session().Display().ImageFactor, 4);
        QCOMPARE(PictureArea(), QSize(504, 379));
        for (const QRadioButton* option : Widget("framRes")->findChildren<QRadioButton*>()) {
            QVERIFY2(!option->isChecked(), qPrintable(option->objectName()));
        }

        // The dialog starts with the last custom texts, takes only digits, and both limits are sizes.
        WithDialog([this] { Option("optCustom")->click(); },
                   [&](QDialog& dialog) {
                       auto* width = dialog.findChild<QLineEdit*>(QStringLiteral("txtHorRes"));
                       QCOMPARE(width->text(), QStringLiteral("2000"));
                       TypeInto(width, QStringLiteral("7x0"));
                       QCOMPARE(width->text(), QStringLiteral("70"));
                       typeAndApply(dialog, "32", "4096");
                   });
        QCOMPARE(window_->Session().Params().HorRes, 32);
        QCOMPARE(window_->Session().Params().VertRes, 4096);
        QCOMPARE(window_->Session().Display().ImageFactor, 16);
    }

    void anImageTooLargeForMemoryLeavesNoImageBehind() {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("the address sanitizer needs an unlimited address space");
#endif
        RestartWith({{"EqnType", "0"}, {"HorRes", "16384"}, {"VertRes", "16384"}});
        MessageRecorder messages;
        rlimit previous{};
        getrlimit(RLIMIT_AS, &previous);
        rlimit limited = previous;
        limited.rlim_cur = AddressSpaceInUse() + rlim_t{128} * 1024 * 1024;  // the image needs 256 MiB
        setrlimit(RLIMIT_AS, &limited);
        const QList<int32_t> rows = PlotRows();
        setrlimit(RLIMIT_AS, &previous);

        QVERIFY(rows.isEmpty());
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("Insufficient memeory.")});
        QVERIFY(!window_->Session().ImagePresent());
        QVERIFY(Picture().isNull());
        QCOMPARE(window_->Session().StartY(), 0);
        QVERIFY(!Button("cmdSaveImage")->isEnabled() && Button("cmdPlot")->isEnabled());
    }

    void theNumberOfRangesRecoloursTheImageAndRestartsAPausedOne() {
        PlotRows();
        // A click on an option already selected changes nothing: the image stays, with the colours
        // edited in the editor.
        WithDialog([this] { Button("cmdModColors")->click(); },
                   [&](QDialog& editor) {
                       Find<QScrollBar>(editor, "hsbRed")->setValue(255);
                       Find<QPushButton>(editor, "cmdOK")->click();
                   });
        const QImage edited = Picture().copy();
        Option("opt160")->click();
        Option("optEight")->click();
        QCOMPARE(Picture(), edited);
        QVERIFY(Option("opt160")->isChecked() && Option("optEight")->isChecked());
        QVERIFY(Button("cmdSaveImage")->isEnabled() && Button("cmdZoom")->isEnabled());
        Button("cmdDefColors")->click();

        const QImage eightRanges = Picture().copy();
        Option("optTwo")->click();
        QCOMPARE(window_->Session().Params().NumRanges, 2);
        QVERIFY(Picture() != eightRanges);
        QCOMPARE(Picture().convertToFormat(QImage::Format_RGB32), LibraryBitmap());

        PlotPausingAt(40);
        Option("optFour")->click();
        QCOMPARE(window_->Session().StartY(), 0);
        QCOMPARE(PlotRows().first(), 0);
    }
};

}  // namespace zenphra::app

QTEST_MAIN(zenphra::app::ExplorerPlotTest)
#include "explorer_plot_test.moc"
