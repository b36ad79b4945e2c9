// The tutorial window, the About box, the ordering page they open, the window menu's commands, and the
// windows' positions between runs.
#include <QDesktopServices>
#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "app/common/engine_api.h"
#include "app/shell/about_box.h"
#include "app/shell/res_dialog.h"
#include "app/shell/startup_check.h"
#include "app/shell/tutorial_box.h"
#include "app/shell/window_commands.h"
#include "app/shell/window_menu.h"
#include "app/shell/window_position.h"
#include "tests/gui/gui_test_support.h"

namespace zenphra::app {

// Stands in for the desktop's handler of web addresses.
class BrowserStandIn : public QObject {
    Q_OBJECT

  public:
    BrowserStandIn() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "Open"); }
    ~BrowserStandIn() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }

    QList<QUrl> opened;

  public slots:
    void Open(const QUrl& url) { opened << url; }
};

class ShellWindowsTest : public QObject {
    Q_OBJECT

  private:
    QString TutorialPath() const { return folder_.filePath(QStringLiteral("Tutorial.txt")); }

    void WriteTutorial(const QByteArray& text) const { WriteBytes(TutorialPath(), text); }

    static void WriteBytes(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    // A tutorial of numbered lines.
    static QByteArray NumberedLines(const char* prefix, int count) {
        QByteArray text;
        for (int line = 1; line <= count; ++line) text += prefix + QByteArray::number(line) + "\r\n";
        return text;
    }

    QWidget* TutorialWindow() const { return owner_->findChild<QWidget*>(QStringLiteral("frmTutorial")); }
    QListWidget* TutorialList() const { return Find<QListWidget>(*TutorialWindow(), "lstTutor"); }
    QPushButton* TutorialButton(const char* name) const { return Find<QPushButton>(*TutorialWindow(), name); }

    WindowPositions positions_;  // positions are not kept unless a test says so
    QTemporaryDir folder_;
    std::unique_ptr<QWidget> owner_;

  private slots:
    void initTestCase() {
        QVERIFY(folder_.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder_.path());
        QVERIFY(CheckEngineLibrary(EngineLibraryPath()));  // stored numbers are read through it
    }

    void init() {
        owner_ = std::make_unique<QWidget>();
        owner_->show();
    }

    void cleanup() {
        owner_.reset();
        for (const char* window : {"frmTutorial", "frmAbout", "frmSetRes"})
            positions_.store.DeleteSetting(QString::fromLatin1(window), QString());
    }

    void theTutorialShowsEveryLineAndHideKeepsItAsItWasUntilDone() {
        WriteTutorial(NumberedLines("First ", 500));
        TutorialBox tutorial(TutorialPath(), positions_, owner_.get());
        QSignalSpy shown(&tutorial, &TutorialBox::ShownChanged);
        QVERIFY(tutorial.Show());
        QWidget* window = TutorialWindow();
        QVERIFY(window->isVisible());
        QVERIFY(!window->isModal());
        QCOMPARE(TutorialList()->count(), 500);
        QCOMPARE(TutorialList()->item(0)->text(), QStringLiteral("  First 1"));
        QCOMPARE(shown.last(), QVariantList{true});
        TutorialList()->verticalScrollBar()->setValue(300);

        TutorialButton("cmdHide")->click();
        QVERIFY(!window->isVisible());
        QVERIFY(tutorial.IsOpen());
        QVERIFY(!tutorial.IsShown());
        QCOMPARE(shown.last(), QVariantList{false});
        // Escape puts it away as Hide does.
        QVERIFY(tutorial.Show());
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(TutorialList(), Qt::Key_Escape);
        QVERIFY(!window->isVisible());
        QVERIFY(tutorial.IsOpen());

        // Opened again: the same window, scrolled where it was, without reading the changed file.
        WriteTutorial(NumberedLines("Second ", 20));
        QVERIFY(tutorial.Show());
        QCOMPARE(TutorialWindow(), window);
        QVERIFY(window->isVisible());
        QCOMPARE(TutorialList()->count(), 500);
        QCOMPARE(TutorialList()->verticalScrollBar()->value(), 300);
        QCOMPARE(shown.last(), QVariantList{true});

        TutorialButton("cmdDone")->click();
        QVERIFY(!tutorial.IsOpen());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(TutorialWindow() == nullptr);
        QCOMPARE(shown.last(), QVariantList{false});
        QCOMPARE(shown.size(), 6);
        // Done ends the window; the next one reads the file again.
        QVERIFY(tutorial.Show());
        QCOMPARE(TutorialList()->count(), 20);
        tutorial.Close();  // as at shut-down
        QVERIFY(!tutorial.IsOpen());
        QCOMPARE(shown.last(), QVariantList{false});
    }

    void aMissingOrUnreadableTutorialIsReportedAndNothingOpens() {
        MessageRecorder messages;
        TutorialBox tutorial(folder_.filePath(QStringLiteral("None.txt")), positions_, owner_.get());
        QSignalSpy shown(&tutorial, &TutorialBox::ShownChanged);
        QVERIFY(!tutorial.Show());
        const QString unreadable = folder_.filePath(QStringLiteral("Folder.txt"));
        QVERIFY(QDir(folder_.path()).mkdir(QStringLiteral("Folder.txt")));
        TutorialBox folderTutorial(unreadable, positions_, owner_.get());
        QVERIFY(!folderTutorial.Show());

        QCOMPARE(messages.texts(),
                 (QStringList{"Tutorial file \"" + folder_.filePath("None.txt") + "\" not found.",
                              "Cannot find \"" + unreadable + "\""}));
        QCOMPARE(messages.messages()[0].icon, MessageIcon::kExclamation);
        QCOMPARE(messages.messages()[0].title, kProgramTitle);
        QCOMPARE(messages.messages()[1].icon, MessageIcon::kNone);
        QVERIFY(!tutorial.IsOpen());
        QVERIFY(!folderTutorial.IsOpen());
        QVERIFY(TutorialWindow() == nullptr);
        QVERIFY(shown.isEmpty());
    }

    void theShippedTutorialFitsItsWindow() {
        const QString shipped = QDir::current().filePath(QStringLiteral("Tutorial.txt"));
        TutorialBox tutorial(shipped, positions_, owner_.get());
        QVERIFY(tutorial.Show());
        QVERIFY(TutorialList()->count() > 100);
        QVERIFY(!TutorialList()->horizontalScrollBar()->isVisible());
        tutorial.Close();
    }

    void theOrderButtonAndTheLinkOpenThePageFromTheSecondClick() {
        BrowserStandIn browser;
        WriteTutorial("Ordering\n");
        TutorialBox tutorial(TutorialPath(), positions_, owner_.get());
        QVERIFY(tutorial.Show());
        TutorialButton("cmdOrder")->click();
        QVERIFY(browser.opened.isEmpty());
        TutorialButton("cmdOrder")->click();
        QCOMPARE(browser.opened, QList<QUrl>{QUrl(kOrderingPage)});

        // The tutorial's About button opens the About box, whose link has a guard of its own.
        WithDialog([&] { TutorialButton("cmdAbout")->click(); },
                   [&](QDialog& about) {
                       QCOMPARE(about.objectName(), QStringLiteral("frmAbout"));
                       auto* link = Find<QLineEdit>(about, "txtLink");
                       QCOMPARE(link->text(), kOrderingPage);
                       QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
                       QTest::mouseClick(link, Qt::LeftButton);
                       QCOMPARE(browser.opened.size(), 1);
                       QTest::mouseClick(link, Qt::LeftButton);
                       QCOMPARE(browser.opened.size(), 2);
                       Find<QPushButton>(about, "cmdOk")->click();
                   });
        QCOMPARE(browser.opened.last(), QUrl(kOrderingPage));
        QVERIFY(tutorial.IsShown());
    }

    void withoutABrowserTheUserIsTold() {
        MessageRecorder messages;
        OpenOrderingPage();  // the offscreen platform has no handler for web addresses
        QCOMPARE(messages.texts(), QStringList{"Unable to locate default web browser."});
        QCOMPARE(messages.messages()[0].icon, MessageIcon::kNone);
    }

    void theAboutBoxShowsTheBuildsVersionAndOurTexts() {
        AboutBox about(positions_, owner_.get());
        QVERIFY(about.isModal());
        QCOMPARE(Find<QLabel>(about, "lblVersion")->text(),
                 QStringLiteral("Version: " ZENPHRA_EXPECTED_VERSION));
        QVERIFY(Find<QLabel>(about, "lblNotice")->text().contains(QChar(169)));
        QCOMPARE(Find<QLabel>(about, "lblDescription")->text(),
                 QStringLiteral(" This program is a smaller version of the popular Quorvex-Talmy Fractals "
                                "program .  You can order a CD containing the full version and 730 images by "
                                "connecting to the Internet and clicking on the link below."));
        QVERIFY(Find<QLabel>(about, "lblLite")->fontInfo().fixedPitch());
        QVERIFY(!Find<QLabel>(about, "picLogo")->pixmap().isNull());  // the picture is built in
    }

    void theWindowMenuNamesTheBandingCommandByBanding() {
        QMenu menu;
        menu.addAction(QStringLiteral("Close"));
        const WindowMenuItems items = AddWindowCommands(&menu, 1);
        QStringList texts;
        for (const QAction* action : menu.actions()) texts << (action->isSeparator() ? "-" : action->text());
        QCOMPARE(texts, (QStringList{"Close", "-", "Remove Image &Banding", "-", "&Tutorial", "-",
                                     "&About QVFractals"}));
        QCOMPARE(items.banding, menu.actions()[2]);
        QCOMPARE(BandingLabelText(1), QStringLiteral("Banding :  ON"));
        QCOMPARE(BandingCommandText(0), QStringLiteral("Allow Image &Banding"));
        QCOMPARE(BandingLabelText(0), QStringLiteral("Banding :  OFF"));
    }

    void positionsAreWrittenOnlyWithLargeFonts() {
        WithDialog([&] { ResolutionDialog(QString(), QString(), owner_.get(), positions_).exec(); },
                   [](QDialog& dialog) { dialog.reject(); });
        QVERIFY(positions_.store.GetAllSettings(QStringLiteral("frmSetRes")).isEmpty());

        const WindowPositions large{CRegSettings(), true};
        QPoint shownAt;
        WithDialog([&] { ResolutionDialog(QString(), QString(), owner_.get(), large).exec(); },
                   [&](QDialog& dialog) {
                       dialog.move(40, 30);
                       shownAt = dialog.frameGeometry().topLeft();
                       dialog.reject();
                   });
        // Stored in twips: 15 to the pixel at 96 pixels per inch.
        const double twipsPerPixel = kTwipsInInch / owner_->screen()->logicalDotsPerInchX();
        QCOMPARE(large.store.GetSetting(QStringLiteral("frmSetRes"), QStringLiteral("Left")),
                 QString::number(shownAt.x() * twipsPerPixel));
        QCOMPARE(large.store.GetSetting(QStringLiteral("frmSetRes"), QStringLiteral("Top")),
                 QString::number(shownAt.y() * twipsPerPixel));
    }

    void aDialogStoredOnAScreenThatIsGoneComesUpOnOneThatIsThere() {
        const WindowPositions large{CRegSettings(), true};
        const QRect screen = owner_->screen()->availableGeometry();
        const double twipsPerPixel = kTwipsInInch / owner_->screen()->logicalDotsPerInchX();
        // Stored on a monitor to the right of this one.
        SaveFormPosition(large.store, QStringLiteral("frmSetRes"),
                         ToTwips(QRect(screen.right() + 500, 100, 200, 100), twipsPerPixel, twipsPerPixel),
                         true);
        WithDialog([&] { ResolutionDialog(QString(), QString(), owner_.get(), large).exec(); },
                   [&](QDialog& dialog) {
                       const QRect frame = dialog.frameGeometry();
                       QVERIFY(screen.contains(frame));
                       QCOMPARE(frame.right(), screen.right());
                       QCOMPARE(frame.top(), 100);
                       dialog.reject();
                   });
    }

    // The small dialogs come back to their stored place every time they are shown; the large windows only
    // the first time, so that a place the program gives them later (the colour editor beside the
    // picture) holds.
    void largeWindowsComeBackOnlyTheFirstTimeTheyAreShown() {
        const WindowPositions large{CRegSettings(), true};
        const double twipsPerPixel = kTwipsInInch / owner_->screen()->logicalDotsPerInchX();
        for (const RestoreWhen when : {RestoreWhen::kFirstShow, RestoreWhen::kEveryShow}) {
            SaveFormPosition(large.store, QStringLiteral("frmWindow"),
                             ToTwips(QRect(60, 50, 200, 100), twipsPerPixel, twipsPerPixel), true);
            QWidget window;
            window.setObjectName(QStringLiteral("frmWindow"));
            window.setFixedSize(200, 100);
            KeepWindowPosition(&window, large, when);
            window.show();
            QCOMPARE(window.frameGeometry().topLeft(), QPoint(60, 50));
            window.hide();
            window.move(90, 80);
            window.show();
            QCOMPARE(window.frameGeometry().topLeft(),
                     when == RestoreWhen::kFirstShow ? QPoint(90, 80) : QPoint(60, 50));
        }
        large.store.DeleteSetting(QStringLiteral("frmWindow"), QString());
    }
};

}  // namespace zenphra::app

QTEST_MAIN(zenphra::app::ShellWindowsTest)
#include "shell_windows_test.moc"
