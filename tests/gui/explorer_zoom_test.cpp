// The zoom box on the explorer's picture: drawn inverted over the image and erased exactly, moved,
// sized and turned with the mouse and the keys while the panel follows, applied and cancelled.
#include <QAction>
#include <QApplication>
#include <QScrollBar>
#include <QTest>

#include "app/common/valid_num.h"
#include "tests/gui/gui_test_support.h"

namespace zenphra::app {

class ExplorerZoomTest : public ExplorerTestCase {
    Q_OBJECT

  private:
    PictureBox* Pic() const { return Find<PictureBox>(*window_, "pic"); }
    const QImage& Picture() const { return Pic()->Picture(); }
    QScrollBar* ScrollBar(const char* name) const { return Find<QScrollBar>(*window_, name); }
    // The widget position of a picture pixel: the picture lies inside a 2-pixel border.
    static QPoint At(int x, int y) { return QPoint(x, y) + QPoint(kPictureBorder, kPictureBorder); }
    Qt::CursorShape Pointer() const { return Pic()->cursor().shape(); }
    const FractalParams& Params() const { return window_->Session().Params(); }

    // Keys go where the user's keys go: to the control with the focus.
    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, int times = 1) {
        for (int i = 0; i < times; ++i) QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    void ShowBoxOnPlottedImage() {
        PlotRows();
        Button("cmdZoom")->click();
        QVERIFY((window_->Session().Doing() == Activity::kZoomBox));
    }

    void PlotPausingAt(int32_t pauseRow) {
        PlotRows([&](int32_t row) {
            if (row == pauseRow) Button("cmdPause")->click();
        });
    }

  private slots:
    void theBoxIsDrawnInvertedOverTheImageAndErasedExactly() {
        PlotRows();
        const QImage clean = Picture().copy();
        const QStringList fields{Field("txtCx")->text(), Field("txtCy")->text(), Field("txtMagnify")->text(),
                                 Field("txtAngle")->text()};
        Button("cmdZoom")->click();
        QVERIFY(Shown("framZoom") && !Shown("framRes") && !Shown("framDesc"));
        QVERIFY(!Button("cmdPlot")->isEnabled() && !Button("cmdZoom")->isEnabled());
        QVERIFY(!Widget("framCoords")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), Button("cmdZoomApply"));
        QCOMPARE(Text("lblSizeFactor"), QStringLiteral("0.50"));
        QCOMPARE(Text("lblAngle"), QStringLiteral("0"));
        QCOMPARE(ScrollBar("hsbSize")->value(), 50);

        // An 80 x 60 box around the centre of the 160 x 120 image, its outline inverting the image;
        // 9 x 9 markers on the middle of the bottom edge and on the top-right corner.
        const QRect box(QPoint(40, 30), QPoint(120, 90));
        const QRect sizeMarker(QPoint(76, 86), QSize(9, 9));
        const QRect turnMarker(QPoint(116, 26), QSize(9, 9));
        const QImage drawn = Picture();
        int inverted = 0;
        for (int y = 0; y < clean.height(); ++y) {
            for (int x = 0; x < clean.width(); ++x) {
                if (sizeMarker.contains(x, y) || turnMarker.contains(x, y)) continue;
                const bool onOutline = box.contains(x, y) && (x == box.left() || x == box.right() ||
                                                              y == box.top() || y == box.bottom());
                const QRgb expected = onOutline ? clean.pixel(x, y) ^ 0x00FFFFFF : clean.pixel(x, y);
                QVERIFY2(drawn.pixel(x, y) == expected, qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
                inverted += onOutline ? 1 : 0;
            }
        }
        QCOMPARE(inverted, 2 * 81 + 2 * 59 - 9 - 9);
        for (const QRect& marker : {sizeMarker, turnMarker}) {
            QCOMPARE(drawn.pixelColor(marker.center()), QColor(Qt::white));
            QCOMPARE(drawn.pixelColor(marker.topLeft()), QColor(Qt::black));
            QCOMPARE(drawn.pixelColor(marker.bottomRight()), QColor(Qt::black));
        }

        // Typed characters go nowhere: a Space does not press the focused Apply.
        Key(Qt::Key_Space);
        Key(Qt::Key_X);
        QVERIFY((window_->Session().Doing() == Activity::kZoomBox));

        Key(Qt::Key_Up, Qt::NoModifier, 3);
        Key(Qt::Key_Up, Qt::ShiftModifier);
        Button("cmdZoomCancel")->click();
        QCOMPARE(Picture(), clean);
        QVERIFY(!Shown("framZoom") && Shown("framRes") && Shown("framDesc"));
        QCOMPARE((QStringList{Field("txtCx")->text(), Field("txtCy")->text(), Field("txtMagnify")->text(),
                              Field("txtAngle")->text()}),
                 fields);
        QCOMPARE(Params().TotalMagnify, 1.0);
        QCOMPARE(Params().PrevImagCenter, 0.0);
        QVERIFY(Button("cmdPlot")->isEnabled() && Button("cmdZoom")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), Button("cmdPlot"));
    }

    void theMouseMovesSizesAndTurnsTheBoxWhileThePanelFollows() {
        ShowBoxOnPlottedImage();
        QCOMPARE(Pointer(), Qt::ArrowCursor);
        QTest::mouseMove(Pic(), At(85, 62));
        QCOMPARE(Pointer(), Qt::SizeAllCursor);

        // Moving: the panel shows the plane point under the box's centre.
        QTest::mousePress(Pic(), Qt::LeftButton, {}, At(85, 62));
        QCOMPARE(Pointer(), Qt::BlankCursor);
        QTest::mouseMove(Pic(), At(95, 52));
        QTest::mouseRelease(Pic(), Qt::LeftButton, {}, At(95, 52));
        QCOMPARE(Pointer(), Qt::ArrowCursor);
        const double step = 3.6 / 160;
        QCOMPARE(Field("txtCx")->text(), FormatNum(-0.5 + 10 * step, 20));
        QCOMPARE(Field("txtCy")->text(), FormatNum(10 * step, 20));

        // Sizing by the handle on the bottom edge, now at (90, 80): red while it is dragged.
        QTest::mouseMove(Pic(), At(90, 80));
        QTest::mousePress(Pic(), Qt::LeftButton, {}, At(90, 80));
        QCOMPARE(Picture().pixelColor(90, 80), QColor(Qt::red));
        QTest::mouseMove(Pic(), At(90, 82));
        QTest::mouseMove(Pic(), At(90, 84));
        QCOMPARE(Text("lblSizeFactor"), QStringLiteral("0.54"));
        QCOMPARE(Field("txtMagnify")->text(), FormatNum(1.0 / 0.54, 20));
        QTest::mouseRelease(Pic(), Qt::LeftButton, {}, At(90, 84));
        QCOMPARE(ScrollBar("hsbSize")->value(), 54);
        QCOMPARE(Picture().pixelColor(window_->Session().Box().Outline().sizeHandle), QColor(Qt::white));

        // Turning by the top-right corner: each pixel to the left turns the box a degree.
        const QPoint turnHandle = window_->Session().Box().Outline().turnHandle;
        QTest::mouseMove(Pic(), At(turnHandle.x(), turnHandle.y()));
        QTest::mousePress(Pic(), Qt::LeftButton, {}, At(turnHandle.x(), turnHandle.y()));
        QTest::mouseMove(Pic(), At(turnHandle.x() - 30, turnHandle.y()));
        QTest::mouseRelease(Pic(), Qt::LeftButton, {}, At(turnHandle.x() - 30, turnHandle.y()));
        QCOMPARE(Text("lblAngle"), QStringLiteral("30"));
        QCOMPARE(Field("txtAngle")->text(), QStringLiteral("30.00000000000000000000"));
        QCOMPARE(ScrollBar("hsbRotate")->value(), 30);

        // The scroll bars set the size and the angle as well.
        ScrollBar("hsbSize")->setValue(100);
        QCOMPARE(Field("txtMagnify")->text(), QStringLiteral("1.00000000000000000000"));
        ScrollBar("hsbRotate")->setValue(-45);
        QCOMPARE(Text("lblAngle"), QStringLiteral("-45"));

        // A right click inside the box applies it.
        QTest::mouseClick(Pic(), Qt::RightButton, {}, At(95, 52));
        WaitUntilIdle();
        QVERIFY((window_->Session().Doing() != Activity::kZoomBox));
        QCOMPARE(Params().TotalMagnify, 1.0);
        QCOMPARE(Params().TotalAngleDeg, -45.0);
        QCOMPARE(Params().PrevImagCenter, 10 * step);
        QCOMPARE(Text("lblY"), QStringLiteral("Done"));
    }

    void keysMoveSizeAndTurnTheBoxAndEnterApplies() {
        ShowBoxOnPlottedImage();
        Key(Qt::Key_Up, Qt::NoModifier, 10);
        Key(Qt::Key_Right, Qt::NoModifier, 4);
        Key(Qt::Key_Down, Qt::ShiftModifier, 10);  // 0.40
        Key(Qt::Key_Left, Qt::ControlModifier, 30);
        QCOMPARE(Text("lblSizeFactor"), QStringLiteral("0.40"));
        QCOMPARE(Text("lblAngle"), QStringLiteral("30"));
        QCOMPARE(ScrollBar("hsbSize")->value(), 40);
        QCOMPARE(ScrollBar("hsbRotate")->value(), 30);
        Key(Qt::Key_Return);
        QVERIFY((window_->Session().Doing() != Activity::kZoomBox));
        WaitUntilIdle();
        const double step = 3.6 / 160;
        QCOMPARE(Params().PrevRealCenter, -0.5 + 4 * step);
        QCOMPARE(Params().PrevImagCenter, 10 * step);
        QCOMPARE(Params().TotalMagnify, 2.5);
        QCOMPARE(Params().TotalAngleDeg, 30.0);
        QCOMPARE(Field("txtMagnify")->text(), QStringLiteral("2.50000000000000000000"));
        QCOMPARE(Text("lblY"), QStringLiteral("Done"));

        // A left click on the idle image shows the box again; a right click outside it and Backspace
        // cancel it.
        QTest::mouseClick(Pic(), Qt::LeftButton, {}, At(10, 10));
        QVERIFY((window_->Session().Doing() == Activity::kZoomBox));
        QTest::mouseClick(Pic(), Qt::RightButton, {}, At(10, 10));
        QVERIFY((window_->Session().Doing() != Activity::kZoomBox));
        QTest::mouseClick(Pic(), Qt::LeftButton, {}, At(10, 10));
        Key(Qt::Key_Backspace);
        QVERIFY((window_->Session().Doing() != Activity::kZoomBox));
        QCOMPARE(Params().TotalMagnify, 2.5);
        QVERIFY(!window_->Session().RunGoing());

        // The frame's accelerators: Alt+C cancels (the other "&Cancel" and "Set Default &Coordinates"
        // are disabled meanwhile), Alt+A applies.
        QTest::keyClick(window_.get(), Qt::Key_Z, Qt::AltModifier);
        QTRY_VERIFY((window_->Session().Doing() == Activity::kZoomBox));
        QTest::keyClick(window_.get(), Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY((window_->Session().Doing() != Activity::kZoomBox));
        QCOMPARE(Params().TotalMagnify, 2.5);
        QTest::keyClick(window_.get(), Qt::Key_Z, Qt::AltModifier);
        QTRY_VERIFY((window_->Session().Doing() == Activity::kZoomBox));
        QTest::keyClick(window_.get(), Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY((window_->Session().Doing() != Activity::kZoomBox));
        WaitUntilIdle();
        QCOMPARE(Params().TotalMagnify, 5.0);
    }

    void cancelAfterAPausedPlotLetsItResume() {
        PlotPausingAt(50);
        Button("cmdZoom")->click();
        Key(Qt::Key_Left, Qt::NoModifier, 5);  // the centre fields change, as an edit would
        Button("cmdZoomCancel")->click();
        QCOMPARE(window_->Session().StartY(), 50);
        QCOMPARE(PlotRows().first(), 50);
        QCOMPARE(Text("lblY"), QStringLiteral("Done"));

        // Banding changed while the box was shown: the stopped rows cannot be continued, Cancel or not.
        PlotPausingAt(50);
        Button("cmdZoom")->click();
        Find<QAction>(*window_, "mnuBanding")->trigger();
        Button("cmdZoomCancel")->click();
        QCOMPARE(PlotRows().first(), 0);
    }
};

}  // namespace zenphra::app

QTEST_MAIN(zenphra::app::ExplorerZoomTest)
#include "explorer_zoom_test.moc"
