// The Julia switch and Undo in the explorer window: the pick with its live preview, taking the switch
// both ways, cancelling it, and Undo going back and forth between two images with their colours.
#include <QApplication>
#include <QTest>
#include <cmath>

#include "app/common/valid_num.h"
#include "tests/gui/gui_test_support.h"

namespace zenphra::app {

class ExplorerJuliaTest : public ExplorerTestCase {
    Q_OBJECT

  private:
    PictureBox* Pic() const { return Find<PictureBox>(*window_, "pic"); }
    const QImage& Picture() const { return Pic()->Picture(); }
    static QPoint At(int x, int y) { return QPoint(x, y) + QPoint(kPictureBorder, kPictureBorder); }
    const FractalParams& Params() const { return window_->Session().Params(); }
    QImage Preview() const { return Find<QLabel>(*window_, "Jpic")->pixmap().toImage(); }
    static void Key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

    void Undo() {
        Button("cmdUndo")->click();
        WaitUntilIdle();
    }

  private slots:
    void pickingWithoutMovingTakesTheCentreAndSwitchingBackCentresTheSetOnTheConstant() {
        Option("opt320")->click();
        TypeInto(Field("txtSkipIter"), QStringLiteral("5"));
        PlotRows();
        const QImage set = Picture().copy();
        QCOMPARE(Button("cmdSwitch")->text(), QStringLiteral("Switch to &Julia Set"));

        Button("cmdSwitch")->click();
        QVERIFY((window_->Session().Doing() == Activity::kJuliaPick));
        QCOMPARE(Picture(), set);  // the constant is picked over the image
        QCOMPARE(Pic()->cursor().shape(), Qt::CrossCursor);
        QVERIFY(Shown("Jpic") && Shown("Label17") && !Shown("lblEqnDesc") && !Shown("lblRendDesc"));
        QCOMPARE(Text("Label17"), QStringLiteral("This image shows the general shape of the Julia set."));
        QCOMPARE(Preview().size(), QSize(120, 90));
        QVERIFY(!Shown("cmdSwitch") && Button("cmdSwCancel")->isEnabled());
        QVERIFY(!Button("cmdExit")->isEnabled() && !Button("cmdTutorial")->isEnabled());
        QVERIFY(!Button("cmdPlot")->isEnabled() && !Widget("framCoords")->isEnabled());
        QVERIFY(Shown("txtJuliaX"));
        QCOMPARE(Field("txtJuliaX")->text(), QStringLiteral("-0.50000000000000000000"));
        QCOMPARE(Field("txtCx")->text(), QStringLiteral("0.0"));

        Key(Qt::Key_Return);
        QVERIFY((window_->Session().Doing() != Activity::kJuliaPick));
        WaitUntilIdle();
        QCOMPARE(Params().EqnType, int16_t{kJuliaOffset});
        QCOMPARE(Params().JuliaReal, -0.5);
        QCOMPARE(Params().JuliaImag, 0.0);
        QCOMPARE(Params().HorRes, 160);
        QCOMPARE(Params().VertRes, 120);
        QCOMPARE(SelectedResolutions(), QStringList{"opt160"});
        QCOMPARE(Params().TotalMagnify, 1.0);
        QCOMPARE(Params().TotalAngleDeg, 0.0);
        QCOMPARE(Params().PrevRealCenter, 0.0);
        QCOMPARE(Params().ItersToSkip, 0);
        QCOMPARE(Text("lblY"), QStringLiteral("Done"));
        QCOMPARE(Button("cmdSwitch")->text(), QStringLiteral("Switch to Mset"));
        QVERIFY(Shown("cmdSwitch") && Button("cmdSwitch")->isEnabled() && Button("cmdExit")->isEnabled());
        QVERIFY(!Shown("Jpic") && Shown("lblEqnDesc"));
        QCOMPARE(Pic()->cursor().shape(), Qt::ArrowCursor);

        // From the Julia set straight back to the set, centred on the constant.
        TypeInto(Field("txtSkipIter"), QStringLiteral("3"));
        Button("cmdSwitch")->click();
        WaitUntilIdle();
        QCOMPARE(Params().EqnType, int16_t{0});
        QCOMPARE(Params().PrevRealCenter, -0.5);
        QCOMPARE(Params().PrevImagCenter, 0.0);
        QCOMPARE(Params().JuliaReal, 0.0);
        QCOMPARE(Params().TotalMagnify, 1.0);
        QCOMPARE(Params().ItersToSkip, 0);
        QCOMPARE(Params().HorRes, 160);
        QVERIFY(!Shown("txtJuliaX"));
        QCOMPARE(Button("cmdSwitch")->text(), QStringLiteral("Switch to &Julia Set"));
        QCOMPARE(Text("lblY"), QStringLiteral("Done"));
    }

    void thePreviewFollowsThePointerAndACancelledPickChangesNothing() {
        PlotRows([&](int32_t row) {
            if (row == 60) Button("cmdPause")->click();
        });
        const QImage paused = Picture().copy();
        const FractalParams before = Params();
        QStringList texts;
        for (const char* field : {"txtCx", "txtCy", "txtJuliaX", "txtJuliaY"}) texts << Field(field)->text();

        for (const auto cancel :
             {+[](QWidget* pic) { QTest::mouseClick(pic, Qt::RightButton, {}, At(5, 5)); },
              +[](QWidget*) { Key(Qt::Key_Backspace); },
              +[](QWidget*) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier); }}) {
            Button("cmdSwitch")->click();
            const QImage atCentre = Preview();
            QTest::mouseMove(Pic(), At(100, 40));
            // 20 pixels right of and 20 above the centre, 3.6 / 160 apart.
            QVERIFY(std::abs(StrToDbl(Field("txtJuliaX")->text()) - (-0.5 + 20 * 3.6 / 160)) < 1e-15);
            QVERIFY(std::abs(StrToDbl(Field("txtJuliaY")->text()) - 20 * 3.6 / 160) < 1e-15);
            QVERIFY(Preview() != atCentre);
            Key(Qt::Key_Home);
            QCOMPARE(Field("txtJuliaX")->text(), QStringLiteral("-0.50000000000000000000"));
            QCOMPARE(Preview(), atCentre);

            cancel(Pic());
            QTRY_VERIFY((window_->Session().Doing() !=
                         Activity::kJuliaPick));  // an accelerator clicks a moment later
            QCOMPARE(Params(), before);
            QCOMPARE(window_->Session().StartY(), 60);
            QCOMPARE(Picture(), paused);
            QStringList textsAfter;
            for (const char* field : {"txtCx", "txtCy", "txtJuliaX", "txtJuliaY"})
                textsAfter << Field(field)->text();
            QCOMPARE(textsAfter, texts);
            QVERIFY(!Shown("txtJuliaX") && !Shown("Jpic") && Shown("lblEqnDesc"));
            QVERIFY(Shown("cmdSwitch") && Button("cmdExit")->isEnabled() &&
                    !Button("cmdSwCancel")->isEnabled());
            QCOMPARE(QApplication::focusWidget(), Button("cmdSwitch"));
        }
        QCOMPARE(PlotRows().first(), 60);
    }

    void undoGoesBackToTheUnzoomedImageWithItsColoursAndASecondUndoReturns() {
        PlotRows();
        const QImage unzoomed = Picture().copy();
        Button("cmdZoom")->click();
        Button("cmdZoomApply")->click();
        WaitUntilIdle();
        QCOMPARE(Params().TotalMagnify, 2.0);
        Option("optFour")->click();  // the zoomed image re-coloured with four ranges
        const QImage zoomed = Picture().copy();
        QVERIFY(zoomed != unzoomed);

        Undo();
        QCOMPARE(Params().TotalMagnify, 1.0);
        QCOMPARE(Params().NumRanges, 8);
        QVERIFY(Option("optEight")->isChecked());
        QCOMPARE(Picture(), unzoomed);
        QCOMPARE(window_->Session().Colors().MaxIterColor,
                 PaletteColor(window_->Session().Palette(), kMaxIterEntry));

        Undo();
        QCOMPARE(Params().TotalMagnify, 2.0);
        QCOMPARE(Params().NumRanges, 4);
        QCOMPARE(Picture(), zoomed);

        // An Undo stopped by a failed check is not carried out by the next Plot.
        MessageRecorder messages;
        Field("txtMaxIter")->setText(QString());
        Undo();
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("Max Iters is blank.")});
        Field("txtMaxIter")->setText(QStringLiteral("100"));
        PlotRows();
        QCOMPARE(Params().TotalMagnify, 2.0);
    }
};

}  // namespace zenphra::app

QTEST_MAIN(zenphra::app::ExplorerJuliaTest)
#include "explorer_julia_test.moc"
