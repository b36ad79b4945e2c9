// The explorer's colour commands and its window menu: the colormap editor over the image, the default
// colours, banding on and off, and the tutorial window beside a plot.
#include <QAction>
#include <QApplication>
#include <QScrollBar>
#include <QTest>

#include "tests/gui/gui_test_support.h"

namespace zenphra::app {

class ExplorerCommandsTest : public ExplorerTestCase {
    Q_OBJECT

  private:
    QImage Picture() const { return Find<PictureBox>(*window_, "pic")->Picture(); }
    QAction* Item(const char* name) const { return Find<QAction>(*window_, name); }
    bool FramesEnabled() const {
        return Widget("framCoords")->isEnabled() && Widget("framRes")->isEnabled() &&
               Widget("framNumRanges")->isEnabled();
    }

    static QWidget* Tutorial() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QStringLiteral("frmTutorial")) return window;
        }
        return nullptr;
    }

  private slots:
    void theEditorOfTheRangeCountRecoloursTheImageAndCancelPutsItBack() {
        Option("optFour")->click();
        PlotRows();
        const QImage plotted = Picture();
        bool busyMeanwhile = false;
        WithDialog([this] { Button("cmdModColors")->click(); },
                   [&](QDialog& editor) {
                       QCOMPARE(editor.objectName(), QStringLiteral("frmEditColors4"));
                       busyMeanwhile = !Button("cmdPlot")->isEnabled() && !Button("cmdTutorial")->isEnabled();
                       Find<QScrollBar>(editor, "hsbRed")->setValue(255);
                       QVERIFY(Picture() != plotted);
                       Find<QPushButton>(editor, "cmdCancel")->click();
                   });
        QVERIFY(busyMeanwhile);
        QCOMPARE(Picture(), plotted);
        QVERIFY(Button("cmdPlot")->isEnabled() && Button("cmdTutorial")->isEnabled());

        // The focus comes back to the button, not to "Exit Program", the one control the busy window left
        // enabled: the next Enter would have ended the program.
        Button("cmdModColors")->setFocus();
        WithDialog([this] { Button("cmdModColors")->click(); },
                   [&](QDialog& editor) { QTest::keyClick(&editor, Qt::Key_Escape); });
        QCOMPARE(window_->focusWidget(), Button("cmdModColors"));

        WithDialog([this] { Button("cmdModColors")->click(); },
                   [&](QDialog& editor) {
                       Find<QScrollBar>(editor, "hsbRed")->setValue(255);
                       Find<QPushButton>(editor, "cmdOK")->click();
                   });
        const QImage edited = Picture();
        QVERIFY(edited != plotted);
        Button("cmdDefColors")->click();
        QCOMPARE(Picture(), plotted);
    }

    void theBandingItemAndLabelSayWhatBandingIsAndAToggleStartsANewImage() {
        RestartWith({{"EqnType", "0"}, {"Banding", "1"}});
        QCOMPARE(Item("mnuBanding")->text(), QStringLiteral("Remove Image &Banding"));
        QCOMPARE(Text("lblBanding"), QStringLiteral("Banding :  ON"));

        bool disabledWhilePlotting = false;
        PlotRows([&](int32_t row) {
            if (row == 40) disabledWhilePlotting = !Item("mnuBanding")->isEnabled();
            if (row == 50) Button("cmdPause")->click();
        });
        QVERIFY(disabledWhilePlotting);
        QCOMPARE(window_->Session().StartY(), 50);
        Item("mnuBanding")->trigger();
        QCOMPARE(window_->Session().Params().Banding, 0);
        QCOMPARE(window_->Session().StartY(), 0);
        QCOMPARE(Text("lblBanding"), QStringLiteral("Banding :  OFF"));
        QCOMPARE(Item("mnuBanding")->text(), QStringLiteral("Allow Image &Banding"));
        Item("mnuBanding")->trigger();
        QCOMPARE(window_->Session().Params().Banding, 1);
        QCOMPARE(Item("mnuBanding")->text(), QStringLiteral("Remove Image &Banding"));
    }

    void theTutorialLocksTheFramesWhichComeBackOnlyWhenIdle() {
        Button("cmdTutorial")->click();
        QWidget* tutorial = Tutorial();
        QVERIFY(tutorial != nullptr && tutorial->isVisible());
        QVERIFY(!FramesEnabled());
        QVERIFY(Button("cmdPlot")->isEnabled());

        // Hidden in the middle of a plot, the tutorial leaves the frames locked until the plot ends.
        bool lockedAfterHide = false;
        PlotRows([&](int32_t row) {
            if (row != 30) return;
            Find<QPushButton>(*tutorial, "cmdHide")->click();
            lockedAfterHide = !FramesEnabled();
        });
        QVERIFY(lockedAfterHide);
        QVERIFY(FramesEnabled());

        // A right click on the picture brings it back too.
        QTest::mouseClick(Widget("pic"), Qt::RightButton, {}, QPoint(20, 20));
        QVERIFY(tutorial->isVisible());
        QVERIFY(!FramesEnabled());
        Find<QPushButton>(*tutorial, "cmdHide")->click();

        Item("mnuTutorial")->trigger();
        QCOMPARE(Tutorial(), tutorial);  // the same window, shown again
        QVERIFY(!FramesEnabled());
        Find<QPushButton>(*tutorial, "cmdDone")->click();
        QTRY_VERIFY(Tutorial() == nullptr);
        QVERIFY(FramesEnabled());
    }
};

}  // namespace zenphra::app

QTEST_MAIN(zenphra::app::ExplorerCommandsTest)
#include "explorer_commands_test.moc"
