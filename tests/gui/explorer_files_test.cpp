// The image file commands of the explorer window: saving an image with its parameters and loading it
// back, complete or half-finished, with what the window shows afterwards; files it must refuse; and
// images that go back and forth between the window and the renderer.
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <clocale>

#include "app/common/engine_api.h"
#include "app/imagefiles/get_fname.h"
#include "tests/gui/gui_test_support.h"

namespace zenphra::app {

class ExplorerFilesTest : public ExplorerTestCase {
    Q_OBJECT

  private:
    QString In(const QString& name) const { return folder_.filePath(name); }

    // Saves through the save dialog, answered with `path`.
    void SaveAs(const QString& path) {
        const FileDialogPresenter previous =
            SetFileDialogPresenter([&](const FileDialogRequest&) { return std::optional<QString>(path); });
        Button("cmdSaveImage")->click();
        SetFileDialogPresenter(previous);
    }

    // Loads through the image browser, choosing the file by name in its folder.
    void Load(const QString& path) {
        window_->Locations().ImageLoadFolder = QFileInfo(path).absolutePath();
        WithDialog([this] { Button("cmdLoadImage")->click(); },
                   [&](QDialog& browser) {
                       QTRY_VERIFY(Find<QPushButton>(browser, "cmdCancel")->isEnabled());
                       auto* files = Find<QListWidget>(browser, "lstFiles");
                       const QList<QListWidgetItem*> found =
                           files->findItems(QFileInfo(path).fileName(), Qt::MatchFixedString);
                       QCOMPARE(found.size(), 1);
                       files->setCurrentItem(found.first());
                       Find<QPushButton>(browser, "cmdLoad")->click();
                   });
    }

    QImage Picture() const { return Find<PictureBox>(*window_, "pic")->Picture(); }

    static QByteArray FileText(const QString& path) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        const int start = bytes.indexOf("Created with Quorvex-Talmy Fractals");
        return start < 0 ? QByteArray() : bytes.mid(start);
    }

    QTemporaryDir folder_;

  private slots:
    void aSavedImageLoadsBackAsItWas() {
        RestartWith({{"EqnType", "124"},
                     {"JuliaReal", "0.85"},
                     {"JuliaImag", "0.6"},
                     {"Rendering", "9"},
                     {"Parm1", "0.3"},
                     {"Parm2", "0.05"},
                     {"NumRanges", "4"},
                     {"HorRes", "320"},
                     {"VertRes", "240"},
                     {"Banding", "1"}});
        PlotRows();
        const FractalParams plotted = window_->Session().Params();
        const PaletteArrays palette = window_->Session().Palette();
        const QImage picture = Picture();
        SaveAs(In("lambda.png"));
        QCOMPARE(window_->windowTitle(), " Quorvex-Talmy Fractals Lite    File: " + In("lambda.png"));
        QCOMPARE(window_->Session().StartY(), 0);  // saving leaves the resume row alone

        // Something else on screen, then the file again.
        RestartWith({});
        PlotRows();
        QCOMPARE(Text("lblBanding"), QStringLiteral("Banding :  OFF"));
        Load(In("lambda.png"));
        const ExplorerSession& session = window_->Session();
        QCOMPARE(session.Params(), plotted);
        QCOMPARE(session.Palette().PalRed, palette.PalRed);
        QCOMPARE(Picture(), picture);
        QCOMPARE(Text("lblY"), QStringLiteral("Done"));
        QCOMPARE(Text("lblBanding"), QStringLiteral("Banding :  ON"));
        QCOMPARE(window_->findChild<QAction*>("mnuBanding")->text(), QStringLiteral("Remove Image &Banding"));
        QCOMPARE(window_->windowTitle(), " Quorvex-Talmy Fractals Lite    File: " + In("lambda.png"));
        QVERIFY(Option("opt320")->isChecked() && Option("optFour")->isChecked());
        QVERIFY(Button("cmdSaveImage")->isEnabled() && Button("cmdLoadImage")->isEnabled());
    }

    void aHalfFinishedImageResumesAfterLoadingToTheUninterruptedImage() {
        RestartWith({{"EqnType", "0"}, {"HorRes", "320"}, {"VertRes", "240"}, {"Rendering", "11"}});
        PlotRows();
        SaveAs(In("whole.png"));
        PlotPausingAt(90);
        SaveAs(In("half.png"));
        QCOMPARE(window_->Session().StartY(), 90);  // a Plot after saving still resumes

        RestartWith({});
        Load(In("half.png"));
        QCOMPARE(Text("lblY"), QStringLiteral("90"));
        QCOMPARE(window_->Session().StartY(), 90);
        QCOMPARE(PlotRows().first(), 90);
        SaveAs(In("resumed.png"));
        QCOMPARE(IndexBytes(In("resumed.png")), IndexBytes(In("whole.png")));
    }

    void sizesWithoutAnOptionLoadAsTheyWere() {
        RestartWith({{"EqnType", "0"}, {"HorRes", "1000"}, {"VertRes", "750"}});
        PlotRows();
        SaveAs(In("custom.png"));
        RestartWith({{"EqnType", "0"}, {"HorRes", "640"}, {"VertRes", "400"}, {"MaxIters", "20"}});
        PlotRows();
        SaveAs(In("wide.png"));

        RestartWith({});
        Load(In("custom.png"));
        QCOMPARE(SelectedResolutions(), QStringList());
        QCOMPARE(window_->Session().Params().CustomHres, QStringLiteral("1000"));
        QCOMPARE(window_->Session().Display().PicWidth, 500);
        Option("opt240")->click();
        Load(In("wide.png"));
        QCOMPARE(SelectedResolutions(), QStringList{QStringLiteral("opt240")});
        QCOMPARE(window_->Session().Params().VertRes, 400);
    }

    void aFileFromAnotherProgramIsRefusedAndTheImageStays() {
        PlotRows();
        const QImage picture = Picture();
        QImage foreign(64, 48, QImage::Format_Indexed8);
        foreign.setColorCount(2);
        foreign.fill(0);
        QVERIFY(foreign.save(In("foreign.png")));
        MessageRecorder messages;
        Load(In("foreign.png"));
        // Said when the browser previews it, and again when it is loaded.
        const QString notOurs = "The file \"" + In("foreign.png") + "\" was not created by this program.";
        QCOMPARE(messages.texts(), QStringList({notOurs, notOurs}));
        QCOMPARE(Picture(), picture);
        QVERIFY(window_->Session().ImagePresent());
        QVERIFY(Button("cmdPlot")->isEnabled());
    }

    // The browser closed any way but Load leaves the picture, the panel and the caption as they were, and
    // the focus on the button (not on "Exit Program", the one control the busy window left enabled).
    void closingTheBrowserLoadsNothing() {
        RestartWith({{"EqnType", "1"}, {"HorRes", "320"}, {"VertRes", "240"}});
        PlotRows();
        SaveAs(In("pokorny.png"));
        RestartWith({{"EqnType", "0"}, {"HorRes", "640"}, {"VertRes", "480"}, {"MaxIters", "40"}});
        PlotRows();
        const QImage picture = Picture();
        const FractalParams params = window_->Session().Params();
        const QString caption = window_->windowTitle();
        window_->Locations().ImageLoadFolder = folder_.path();
        for (const auto& leave : {std::function<void(QDialog&)>(
                                      [](QDialog& browser) { QTest::keyClick(&browser, Qt::Key_Escape); }),
                                  std::function<void(QDialog&)>([](QDialog& browser) { browser.close(); })}) {
            Button("cmdLoadImage")->setFocus();
            WithDialog([this] { Button("cmdLoadImage")->click(); },
                       [&](QDialog& browser) {
                           QTRY_VERIFY(Find<QPushButton>(browser, "cmdCancel")->isEnabled());
                           QVERIFY(Find<QPushButton>(browser, "cmdLoad")->isEnabled());  // a file is selected
                           leave(browser);
                       });
            QCOMPARE(Picture(), picture);
            QCOMPARE(window_->Session().Params(), params);
            QCOMPARE(window_->windowTitle(), caption);
            QVERIFY(Button("cmdPlot")->isEnabled());
            QCOMPARE(window_->focusWidget(), Button("cmdLoadImage"));
        }
    }

    void aGermanLocaleStillWritesPoints() {
        const char* previous = std::setlocale(LC_ALL, nullptr);
        const std::string restore = previous != nullptr ? previous : "C";
        QVERIFY(std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr);
        QLocale::setDefault(QLocale(QLocale::German));
        RestartWith({{"EqnType", "0"}, {"PrevRealCenter", "-0.75"}});
        PlotRows();
        SaveAs(In("german.png"));
        std::setlocale(LC_ALL, restore.c_str());
        QLocale::setDefault(QLocale::c());
        QVERIFY(FileText(In("german.png")).contains("\n-0.75000000000000000000\n"));
    }

    void renderersImagesOpenInTheWindowAndTheWindowsInTheRenderer() {
        const QString renderer = QCoreApplication::applicationDirPath() + QStringLiteral("/zenphra-render");
        QCOMPARE(QProcess::execute(renderer, {"--quiet", "--size", "320x240", "-o", In("rendered.png")}), 0);
        Load(In("rendered.png"));
        Option("opt800")->click();
        PlotPausingAt(300);
        SaveAs(In("window.png"));

        QProcess info;
        info.start(renderer, {"--info", In("window.png")});
        QVERIFY(info.waitForFinished());
        QVERIFY(info.readAllStandardOutput().contains("800 x 600"));
        QCOMPARE(QProcess::execute(renderer, {"--quiet", "--resume", In("window.png")}), 0);
        PlotRows();  // the rest, in the window
        SaveAs(In("finished.png"));
        QCOMPARE(IndexBytes(In("window.png")), IndexBytes(In("finished.png")));
    }
};

}  // namespace zenphra::app

QTEST_MAIN(zenphra::app::ExplorerFilesTest)
#include "explorer_files_test.moc"
