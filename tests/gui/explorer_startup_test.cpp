// The explorer window coming up and shutting down: the library check, first-run defaults, saved
// settings and the picture area's geometry.
#include <QMenuBar>
#include <QTest>

#include "app/common/color_map.h"
#include "app/shell/startup_check.h"
#include "tests/gui/gui_test_support.h"

namespace zenphra::app {

class ExplorerStartupTest : public ExplorerTestCase {
    Q_OBJECT

  private:
    // Where the picture area lies in the window's client area, below its menu bar.
    QRect PictureArea() const {
        const QWidget* pic = Widget("pic");
        const QPoint clientTop(0, window_->findChild<QMenuBar*>()->height());
        return QRect(pic->mapTo(window_.get(), QPoint(0, 0)) - clientTop, pic->size());
    }

  private slots:
    void aMissingLibraryEndsTheProgramWithItsPath() {
        MessageRecorder messages;
        QVERIFY(!CheckEngineLibrary(QStringLiteral("/nowhere/libZenphra.so")));
        QCOMPARE(messages.messages().size(), 1);
        const Message& shown = messages.messages().first();
        QCOMPARE(shown.text, QStringLiteral("The file \"/nowhere/libZenphra.so\" was not found.\r\n"
                                            "The program will be terminated."));
        QCOMPARE(shown.icon, MessageIcon::kCritical);
        QCOMPARE(shown.title, QStringLiteral("Quorvex-Talmy Fractals Lite"));
    }

    void aFirstRunShowsTheDefaultImageSetUp() {
        QCOMPARE(window_->windowTitle(), QStringLiteral("  Quorvex-Talmy Fractals Lite"));
        QCOMPARE(window_->width(), 800);
        QCOMPARE(List("cboEqn")->currentText(), QStringLiteral("Classic Mandlebrot"));
        QCOMPARE(List("cboRender")->currentText(), QStringLiteral("Level Set"));
        QCOMPARE(Field("txtMaxIter")->text(), QStringLiteral("100"));
        QCOMPARE(Field("txtSkipIter")->text(), QStringLiteral("0"));
        QCOMPARE(Field("txtLimitValue")->text(), QStringLiteral("4.00000"));
        QCOMPARE(Field("txtCx")->text(), QStringLiteral("-0.50000000000000000000"));
        QCOMPARE(Field("txtCy")->text(), QStringLiteral("0.00000000000000000000"));
        QCOMPARE(Field("txtMagnify")->text(), QStringLiteral("1.00000000000000000000"));
        QCOMPARE(SelectedResolutions(), QStringList{QStringLiteral("opt160")});
        QVERIFY(Option("optEight")->isChecked());
        QCOMPARE(Text("lblBanding"), QStringLiteral("Banding :  OFF"));
        QCOMPARE(Text("lblEqnDesc"), QStringLiteral("Z = Z^2 + C"));
        QCOMPARE(Text("lblRendDesc"), QStringLiteral("No parameters"));
        for (const char* hidden :
             {"txtP1", "txtP2", "txtP3", "cboFunc1", "cboFunc2", "txtJuliaX", "txtJuliaY"}) {
            QVERIFY2(!Shown(hidden), hidden);
        }
        // The picture area holds the 160 x 120 image and its border, centred on its fixed point.
        QCOMPARE(PictureArea(), QRect(270 - 82, 199 - 62, 164, 124));
        // Idle: nothing to save or zoom yet, nothing to pause.
        QVERIFY(Widget("cmdPlot")->isEnabled());
        QVERIFY(!Widget("cmdPause")->isEnabled());
        QVERIFY(!Widget("cmdSaveImage")->isEnabled());
        QVERIFY(!Widget("cmdZoom")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), Widget("cmdLoadImage"));
    }

    void savedSizesSelectTheirOptionOrNone_data() {
        QTest::addColumn<QString>("horRes");
        QTest::addColumn<QString>("vertRes");
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<int>("factor");
        QTest::addColumn<QSize>("area");
        QTest::addColumn<QString>("customHres");
        QTest::addColumn<QString>("customVres");
        QTest::newRow("listed") << "1600"
                                << "1200" << QStringList{"opt1600"} << 4 << QSize(404, 304) << ""
                                << "";
        QTest::newRow("unlisted width") << "1000"
                                        << "750" << QStringList{} << 2 << QSize(504, 379) << "1000"
                                        << "750";
        // A listed width with another height keeps the stored custom texts.
        QTest::newRow("listed width") << "640"
                                      << "400" << QStringList{} << 2 << QSize(324, 204) << "77"
                                      << "88";
    }

    void savedSizesSelectTheirOptionOrNone() {
        QFETCH(QString, horRes);
        QFETCH(QString, vertRes);
        QFETCH(QStringList, selected);
        QFETCH(int, factor);
        QFETCH(QSize, area);
        QFETCH(QString, customHres);
        QFETCH(QString, customVres);
        RestartWith({{"EqnType", "0"},
                     {"HorRes", horRes},
                     {"VertRes", vertRes},
                     {"CustomHres", "77"},
                     {"CustomVres", "88"}});
        QCOMPARE(SelectedResolutions(), selected);
        QCOMPARE(window_->Session().Display().ImageFactor, factor);
        QCOMPARE(PictureArea(), QRect(QPoint(270 - area.width() / 2, 199 - area.height() / 2), area));
        if (!customHres.isEmpty()) {
            QCOMPARE(window_->Session().Params().CustomHres, customHres);
            QCOMPARE(window_->Session().Params().CustomVres, customVres);
        }
    }

    void settingsWrittenAtShutDownComeBackAtTheNextStart() {
        Choose(List("cboEqn"), QStringLiteral("Chebyshev"));
        Choose(List("cboRender"), QStringLiteral("Stalks"));
        TypeInto(Widget("txtCx"), QStringLiteral("0.25"));
        TypeInto(Widget("txtMaxIter"), QStringLiteral("250"));
        Option("opt320")->click();
        Option("optFour")->click();
        CloseAndRestart();
        QCOMPARE(List("cboEqn")->currentText(), QStringLiteral("Chebyshev"));
        QCOMPARE(Text("lblEqnDesc"),
                 QStringLiteral("Chebyshev approximation of order 3 to 9\r\nOrder = P3 (integer)"));
        QCOMPARE(List("cboRender")->currentText(), QStringLiteral("Stalks"));
        QCOMPARE(Field("txtP3")->text(), QStringLiteral("5"));
        QCOMPARE(Field("txtP2")->text(), QStringLiteral("0.100000"));
        QCOMPARE(Field("txtCx")->text(), QStringLiteral("0.25000000000000000000"));
        QCOMPARE(Field("txtMaxIter")->text(), QStringLiteral("250"));
        QCOMPARE(SelectedResolutions(), QStringList{QStringLiteral("opt320")});
        QVERIFY(Option("optFour")->isChecked());
    }
};

}  // namespace zenphra::app

QTEST_MAIN(zenphra::app::ExplorerStartupTest)
#include "explorer_startup_test.moc"
