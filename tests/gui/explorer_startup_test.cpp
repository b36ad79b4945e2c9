// The explorer window coming up and shutting down: the library check, first-run defaults, saved
// settings and the picture area's geometry.
#include <QRadioButton>
#include <QTest>

#include "app/colormaps/color_map.h"
#include "app/shell/startup_check.h"
#include "tests/gui/gui_test_support.h"

namespace zenphra::app {

class ExplorerStartupTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir settings_;

    static QStringList SelectedOptions(const QWidget& window) {
        QStringList selected;
        for (const QRadioButton* option : Find<QWidget>(window, "framRes")->findChildren<QRadioButton*>()) {
            if (option->isChecked()) selected << option->objectName();
        }
        return selected;
    }

    static QRect PictureArea(const QWidget& window) {
        const auto* pic = Find<QWidget>(window, "pic");
        return QRect(pic->mapTo(&window, QPoint(0, 0)), pic->size());
    }

  private slots:
    void initTestCase() { QVERIFY(PrepareGuiTests(settings_)); }
    void init() { ForgetSettings(); }

    void aMissingLibraryEndsTheProgramWithItsPath() {
        RecordedMessages messages;
        QVERIFY(!CheckEngineLibrary(QStringLiteral("/nowhere/libZenphra.so")));
        QCOMPARE(messages.All().size(), 1);
        const Message& shown = messages.All().first();
        QCOMPARE(shown.text, QStringLiteral("The file \"/nowhere/libZenphra.so\" was not found.\r\n"
                                            "The program will be terminated."));
        QCOMPARE(shown.icon, MessageIcon::kCritical);
        QCOMPARE(shown.title, QStringLiteral("Quorvex-Talmy Fractals Lite"));
    }

    void aFirstRunShowsTheDefaultImageSetUp() {
        const auto window = StartExplorer();
        QCOMPARE(window->windowTitle(), QStringLiteral("  Quorvex-Talmy Fractals Lite"));
        QCOMPARE(window->width(), 800);
        QCOMPARE(Find<QComboBox>(*window, "cboEqn")->currentText(), QStringLiteral("Classic Mandlebrot"));
        QCOMPARE(Find<QComboBox>(*window, "cboRender")->currentText(), QStringLiteral("Level Set"));
        QCOMPARE(Find<QLineEdit>(*window, "txtMaxIter")->text(), QStringLiteral("100"));
        QCOMPARE(Find<QLineEdit>(*window, "txtSkipIter")->text(), QStringLiteral("0"));
        QCOMPARE(Find<QLineEdit>(*window, "txtLimitValue")->text(), QStringLiteral("4.00000"));
        QCOMPARE(Find<QLineEdit>(*window, "txtCx")->text(), QStringLiteral("-0.50000000000000000000"));
        QCOMPARE(Find<QLineEdit>(*window, "txtCy")->text(), QStringLiteral("0.00000000000000000000"));
        QCOMPARE(Find<QLineEdit>(*window, "txtMagnify")->text(), QStringLiteral("1.00000000000000000000"));
        QCOMPARE(SelectedOptions(*window), QStringList{QStringLiteral("opt160")});
        QVERIFY(Find<QRadioButton>(*window, "optEight")->isChecked());
        QCOMPARE(Find<QLabel>(*window, "lblBanding")->text(), QStringLiteral("Banding :  OFF"));
        QCOMPARE(Find<QLabel>(*window, "lblEqnDesc")->text(), QStringLiteral("Z = Z^2 + C"));
        QCOMPARE(Find<QLabel>(*window, "lblRendDesc")->text(), QStringLiteral("No parameters"));
        for (const char* hidden :
             {"txtP1", "txtP2", "txtP3", "cboFunc1", "cboFunc2", "txtJuliaX", "txtJuliaY"}) {
            QVERIFY2(Find<QWidget>(*window, hidden)->isHidden(), hidden);
        }
        // The picture area holds the 160 x 120 image and its border, centred on its fixed point.
        QCOMPARE(PictureArea(*window), QRect(270 - 82, 199 - 62, 164, 124));
        // Idle: nothing to save or zoom yet, nothing to pause.
        QVERIFY(Find<QWidget>(*window, "cmdPlot")->isEnabled());
        QVERIFY(!Find<QWidget>(*window, "cmdPause")->isEnabled());
        QVERIFY(!Find<QWidget>(*window, "cmdSaveImage")->isEnabled());
        QVERIFY(!Find<QWidget>(*window, "cmdZoom")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), Find<QWidget>(*window, "cmdLoadImage"));
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
        StoreSetting("EqnType", "0");
        StoreSetting("HorRes", horRes);
        StoreSetting("VertRes", vertRes);
        StoreSetting("CustomHres", "77");
        StoreSetting("CustomVres", "88");
        const auto window = StartExplorer();
        QCOMPARE(SelectedOptions(*window), selected);
        QCOMPARE(window->Shown().ImageFactor, factor);
        QCOMPARE(PictureArea(*window), QRect(QPoint(270 - area.width() / 2, 199 - area.height() / 2), area));
        if (!customHres.isEmpty()) {
            QCOMPARE(window->Params().CustomHres, customHres);
            QCOMPARE(window->Params().CustomVres, customVres);
        }
    }

    void settingsWrittenAtShutDownComeBackAtTheNextStart() {
        {
            const auto window = StartExplorer();
            Choose(Find<QComboBox>(*window, "cboEqn"), QStringLiteral("Chebyshev"));
            Choose(Find<QComboBox>(*window, "cboRender"), QStringLiteral("Stalks"));
            TypeInto(Find<QWidget>(*window, "txtCx"), QStringLiteral("0.25"));
            TypeInto(Find<QWidget>(*window, "txtMaxIter"), QStringLiteral("250"));
            Find<QRadioButton>(*window, "opt320")->click();
            Find<QRadioButton>(*window, "optFour")->click();
            QVERIFY(window->close());
        }
        const auto window = StartExplorer();
        QCOMPARE(Find<QComboBox>(*window, "cboEqn")->currentText(), QStringLiteral("Chebyshev"));
        QCOMPARE(Find<QComboBox>(*window, "cboRender")->currentText(), QStringLiteral("Stalks"));
        QCOMPARE(Find<QLineEdit>(*window, "txtP3")->text(), QStringLiteral("5"));
        QCOMPARE(Find<QLineEdit>(*window, "txtP2")->text(), QStringLiteral("0.100000"));
        QCOMPARE(Find<QLineEdit>(*window, "txtCx")->text(), QStringLiteral("0.25000000000000000000"));
        QCOMPARE(Find<QLineEdit>(*window, "txtMaxIter")->text(), QStringLiteral("250"));
        QCOMPARE(SelectedOptions(*window), QStringList{QStringLiteral("opt320")});
        QVERIFY(Find<QRadioButton>(*window, "optFour")->isChecked());
    }
};

}  // namespace zenphra::app

QTEST_MAIN(zenphra::app::ExplorerStartupTest)
#include "explorer_startup_test.moc"
