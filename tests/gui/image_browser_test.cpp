// The image browser window as the user sees it: previews with their labels, the preview check box, the
// Load and Cancel buttons, and the file chosen last selected again when it opens.
#include "app/imagefiles/image_browser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "app/colormaps/palette_colors.h"
#include "app/common/engine_api.h"
#include "app/explorer/display_factor.h"
#include "app/explorer/plot_call.h"
#include "app/imagefiles/image_save.h"
#include "app/shell/startup_check.h"
#include "tests/gui/gui_test_support.h"

namespace zenphra::app {

class ImageBrowserTest : public QObject {
    Q_OBJECT

  private:
    // Saves a fully plotted image of that size in the folder.
    void SaveImage(const QString& path, int32_t width, int32_t height) {
        FractalParams params;
        params.HorRes = width;
        params.VertRes = height;
        params.MaxIters = 60;
        QVERIFY(InitPlotWith(params, 0, ComputeDisplayFactor(width, height).ImageFactor) > 0);
        for (int32_t row = 0; row < height; ++row) Engine().PlotFractal(row);
        QVERIFY(SaveImageFile(path, params, height, palette_));
    }

    // Opens the browser, runs `action` in it once its first file is shown, and returns what it chose.
    QString Browse(const std::function<void(QDialog&)>& action) {
        QString chosen;
        WithDialog([&] { chosen = ShowImageBrowser(nullptr, locations_, memory_, WindowPositions{}); },
                   [&](QDialog& browser) {
                       QTRY_VERIFY(Find<QPushButton>(browser, "cmdCancel")->isEnabled());
                       action(browser);
                       // An action that failed half-way leaves the browser open: the test goes on.
                       if (browser.isVisible()) browser.done(QDialog::Rejected);
                   });
        return chosen;
    }

    static QListWidget* Files(QDialog& browser) { return Find<QListWidget>(browser, "lstFiles"); }
    static QString Label(QDialog& browser, const char* name) { return Find<QLabel>(browser, name)->text(); }
    static QSize Thumbnail(QDialog& browser) { return Find<QLabel>(browser, "img")->pixmap().size(); }
    static void Click(QListWidget* list, int row, bool twice = false) {
        const QPoint centre = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
        if (twice) QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
    }

    QString In(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }

    QTemporaryDir folder_;
    QTemporaryDir settings_;
    PaletteArrays palette_;
    FileLocations locations_;
    ImageFileMemory memory_;

  private slots:
    void initTestCase() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_.path());
        QVERIFY(CheckEngineLibrary(EngineLibraryPath()));
        Engine().SetColorPointers(palette_.PalRed.data(), palette_.PalGrn.data(), palette_.PalBlu.data());
        ApplyColormap(ColorMap(), 8);
        QVERIFY(QDir(folder_.path()).mkpath("Images/empty"));
        QVERIFY(QDir(folder_.path()).mkpath("Images/more"));
        SaveImage(In("Images/big seahorse.png"), 1600, 1200);
        SaveImage(In("Images/classic.png"), 640, 480);
        SaveImage(In("Images/small.png"), 160, 120);
        SaveImage(In("Images/more/only.png"), 160, 120);
        locations_ = StartupLocations(folder_.path());
    }

    void cleanupTestCase() {
        Engine().DllCleanup();
        Engine().SetColorPointers(nullptr, nullptr, nullptr);
    }

    void previewsShowTheThumbnailWithItsLabelsAndDoubleClickLoads() {
        const QString chosen = Browse([&](QDialog& browser) {
            QCOMPARE(browser.windowTitle(), QString(19, ' ') + "Load Quorvex-Talmy Fractals Lite Image File");
            QCOMPARE(Files(browser)->currentRow(), 0);
            QCOMPARE(Thumbnail(browser), QSize(96, 75));
            if (const QString screenshots = qEnvironmentVariable("ZENPHRA_SCREENSHOTS");
                !screenshots.isEmpty())
                browser.grab().save(screenshots + "/frmLoadFile-1600.png");
            QCOMPARE(Label(browser, "lblRes"), QStringLiteral("1600 x 1200"));
            QCOMPARE(Label(browser, "lblFileSize"),
                     QString::number(QFileInfo(In("Images/big seahorse.png")).size()));
            QVERIFY(!Label(browser, "lblModified").isEmpty());

            Click(Files(browser), 1);
            QCOMPARE(Thumbnail(browser), QSize(160, 120));
            QCOMPARE(Label(browser, "lblRes"), QStringLiteral("640 x 480"));
            // Run under a real X server with this set, the window is kept as a picture to look at.
            if (const QString screenshots = qEnvironmentVariable("ZENPHRA_SCREENSHOTS");
                !screenshots.isEmpty())
                browser.grab().save(screenshots + "/frmLoadFile.png");

            Find<QCheckBox>(browser, "chkPreview")->click();
            Click(Files(browser), 2);
            QCOMPARE(Label(browser, "lblRes"), QStringLiteral("640 x 480"));  // only selected
            QVERIFY(Find<QPushButton>(browser, "cmdLoad")->isEnabled());
            Find<QCheckBox>(browser, "chkPreview")->click();
            Click(Files(browser), 2);  // the file already selected is previewed now
            QCOMPARE(Label(browser, "lblRes"), QStringLiteral("160 x 120"));
            Click(Files(browser), 1, true);
        });
        QCOMPARE(chosen, In("Images/classic.png"));
        QCOMPARE(memory_.File, QStringLiteral("classic.png"));
    }

    void reopeningAfterALoadSelectsTheSameFile() {
        memory_.CurrentImageFile = In("Images/classic.png");  // the window loaded it
        const QString chosen = Browse([&](QDialog& browser) {
            QCOMPARE(Files(browser)->currentRow(), 1);
            QCOMPARE(Label(browser, "lblRes"), QStringLiteral("640 x 480"));
            Find<QPushButton>(browser, "cmdLoad")->click();
        });
        QCOMPARE(chosen, In("Images/classic.png"));
    }

    // Escape, the window's close button (Alt+F4 asks the same of the window) and Cancel choose nothing,
    // whatever file is selected, and the browser remembers nothing of where it was.
    void everyWayOutButLoadChoosesNothing() {
        const ImageFileMemory before = memory_;
        for (const auto& leave : {std::function<void(QDialog&)>([](QDialog& browser) {
                                      QTest::keyClick(Files(browser), Qt::Key_Escape);
                                  }),
                                  std::function<void(QDialog&)>([](QDialog& browser) { browser.close(); }),
                                  std::function<void(QDialog&)>([](QDialog& browser) {
                                      Find<QPushButton>(browser, "cmdCancel")->click();
                                  })}) {
            const QString chosen = Browse([&](QDialog& browser) {
                Click(Files(browser), 1);
                leave(browser);
            });
            QCOMPARE(chosen, QStringLiteral("Cancelled"));
            QCOMPARE(memory_.File, before.File);
            QCOMPARE(locations_.ImageLoadFolder, In("Images"));
        }
    }

    // Enter on the drive list or on a folder does only what that list does; it never reaches the Load
    // button. Enter on a file loads that file.
    void enterOnAListDoesWhatThatListDoes() {
        const QString chosen = Browse([&](QDialog& browser) {
            auto* drives = Find<QComboBox>(browser, "drvBox");
            drives->setFocus();
            QTest::keyClick(drives, Qt::Key_Return);
            QVERIFY(browser.isVisible());

            auto* folders = Find<QListWidget>(browser, "dirBox");
            const QList<QListWidgetItem*> more = folders->findItems("more", Qt::MatchEndsWith);
            QCOMPARE(more.size(), 1);
            folders->setFocus();
            folders->setCurrentItem(more.first());
            QTest::keyClick(folders, Qt::Key_Return);
            QVERIFY(browser.isVisible());
            QCOMPARE(Files(browser)->count(), 1);
            QCOMPARE(Label(browser, "lblRes"), QStringLiteral("160 x 120"));

            Files(browser)->setFocus();
            QTest::keyClick(Files(browser), Qt::Key_Enter);
        });
        QCOMPARE(chosen, In("Images/more/only.png"));
        locations_.ImageLoadFolder = In("Images");
        memory_ = ImageFileMemory();
    }

    void aFolderWithoutImagesLeavesLoadDisabledAndCancelChoosesNothing() {
        const QString chosen = Browse([&](QDialog& browser) {
            auto* folders = Find<QListWidget>(browser, "dirBox");
            const QList<QListWidgetItem*> empty = folders->findItems("empty", Qt::MatchEndsWith);
            QCOMPARE(empty.size(), 1);
            Click(folders, folders->row(empty.first()), true);
            QCOMPARE(Files(browser)->count(), 0);
            QVERIFY(!Find<QPushButton>(browser, "cmdLoad")->isEnabled());
            QVERIFY(Find<QLabel>(browser, "img")->pixmap().isNull());
            Find<QPushButton>(browser, "cmdCancel")->click();
        });
        QCOMPARE(chosen, QStringLiteral("Cancelled"));
        QCOMPARE(locations_.ImageLoadFolder, In("Images"));  // only Load changes it
    }
};

}  // namespace zenphra::app

QTEST_MAIN(zenphra::app::ImageBrowserTest)
#include "image_browser_test.moc"
