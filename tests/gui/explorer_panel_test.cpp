// The parameter panel: what each choice shows, what the fields accept, and the checks before a plot.
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QTest>

#include "tests/gui/gui_test_support.h"

namespace zenphra::app {

class ExplorerPanelTest : public ExplorerTestCase {
    Q_OBJECT

  private:
    void ClickPlot() const {
        Button("cmdPlot")->click();
        WaitUntilIdle();
    }

  private slots:
    void emptyAndMalformedFieldsStopThePlotWithTheirMessage_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("blank") << "txtCx"
                               << ""
                               << "Center Real is blank.";
        QTest::newRow("minus last") << "txtCx"
                                    << "0.5-"
                                    << "The value for Center Real is invalid.";
        QTest::newRow("blanks only") << "txtCx"
                                     << "   "
                                     << "The value for Center Real is invalid.";
        QTest::newRow("negative magnification") << "txtMagnify"
                                                << "-2"
                                                << "The value for Magnification is invalid.";
        QTest::newRow("blank iterations") << "txtMaxIter"
                                          << ""
                                          << "Max Iters is blank.";
    }

    void emptyAndMalformedFieldsStopThePlotWithTheirMessage() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        MessageRecorder messages;
        Field(field.toLatin1().constData())->setText(text);
        ClickPlot();
        QCOMPARE(messages.texts(), QStringList{message});
        QCOMPARE(messages.messages().first().icon, MessageIcon::kExclamation);
        QVERIFY(!window_->Session().ImagePresent());
        QCOMPARE(Field(field.toLatin1().constData())->text(), text);
    }

    void keyFiltersRefuseWhatAFieldCannotHold() {
        TypeInto(Field("txtCx"), QStringLiteral("-1,5e3x.2.7-"));
        QCOMPARE(Field("txtCx")->text(), QStringLiteral("-153.27-"));
        TypeInto(Field("txtMaxIter"), QStringLiteral("2.5-0"));
        QCOMPARE(Field("txtMaxIter")->text(), QStringLiteral("250"));
        // An accelerator key neither types nor empties the selected text.
        Field("txtMaxIter")->selectAll();
        QTest::keyClick(Field("txtMaxIter"), Qt::Key_Q, Qt::AltModifier);
        QCOMPARE(Field("txtMaxIter")->text(), QStringLiteral("250"));
        TypeInto(Field("txtLimitValue"), QStringLiteral("-8.5"));
        QCOMPARE(Field("txtLimitValue")->text(), QStringLiteral("8.5"));
        Choose(List("cboRender"), QStringLiteral("Spheres"));
        TypeInto(Field("txtP1"), QStringLiteral("-0.5"));
        QCOMPARE(Field("txtP1")->text(), QStringLiteral("0.5"));
        // The order of Chebyshev is one digit from 3 to 9.
        Choose(List("cboEqn"), QStringLiteral("Chebyshev"));
        TypeInto(Field("txtP3"), QStringLiteral("2"));
        QCOMPARE(Field("txtP3")->text(), QString());
        TypeInto(Field("txtP3"), QStringLiteral("74"));
        QCOMPARE(Field("txtP3")->text(), QStringLiteral("7"));
        QTest::keyClick(Field("txtP3"), Qt::Key_Backspace);
        QCOMPARE(Field("txtP3")->text(), QString());
    }

    void numberFieldsTakeOnlyWhatTheirKeysType() {
        QLineEdit* field = Field("txtCx");
        field->setFocus();
        QMimeData letters;
        letters.setText(QStringLiteral("abc"));
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &letters, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(field, &drop);
        QInputMethodEvent composed;
        composed.setCommitString(QStringLiteral("x1"));
        QCoreApplication::sendEvent(field, &composed);
        QCOMPARE(field->text(), QStringLiteral("-0.50000000000000000000"));
        QTest::keyClick(field, Qt::Key_End);
        QTest::keyClicks(field, QStringLiteral("x1"));
        QCOMPARE(field->text(), QStringLiteral("-0.500000000000000000001"));
        // A character of two UTF-16 units (a digit outside the Basic Multilingual Plane) is no digit.
        QKeyEvent astral(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUcs4(U"\U0001D7D9"));
        QCoreApplication::sendEvent(field, &astral);
        QCOMPARE(field->text(), QStringLiteral("-0.500000000000000000001"));
    }

    void enterClicksTheFocusedButtonAsSpaceDoes() {
        Button("cmdDefCoords")->setFocus();
        QTest::keyClick(Button("cmdDefCoords"), Qt::Key_Return);
        WaitUntilIdle();
        QCOMPARE(Text("lblY"), QStringLiteral("Done"));
        QCOMPARE(window_->Session().Params().PrevRealCenter, 0.0);
    }

    void enterMovesOnAndTheNextFieldIsSelectedForTyping() {
        TypeInto(Field("txtCx"), QStringLiteral("0.3"));
        QTest::keyClick(Field("txtCx"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), Field("txtCy"));
        QVERIFY(Field("txtCy")->hasSelectedText());
        QCOMPARE(window_->Session().Params().PrevRealCenter, 0.3);
        QTest::keyClicks(Field("txtCy"), QStringLiteral("0.4"));
        QCOMPARE(Field("txtCy")->text(), QStringLiteral("0.4"));
    }

    void iterationsTooLargeForAWholeNumberKeepTheOldValue() {
        MessageRecorder messages;
        TypeInto(Field("txtMaxIter"), QStringLiteral("99999999999"));
        QTest::keyClick(Field("txtMaxIter"), Qt::Key_Tab);
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("The value for Max. Iters is invalid.")});
        QCOMPARE(window_->Session().Params().MaxIters, 100);

        // Started by its accelerator, Plot stores the field it leaves first, and stops on its message.
        TypeInto(Field("txtSkipIter"), QStringLiteral("99999999999"));
        QTest::keyClick(window_.get(), Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(messages.texts().size(), 2);
        QCOMPARE(messages.texts().last(), QStringLiteral("The value for Skip Iters is invalid."));
        QVERIFY(!window_->Session().ImagePresent());
    }

    void plotByAcceleratorKeepsTheEditInProgress() {
        TypeInto(Field("txtCx"), QStringLiteral("0.25"));
        QTest::keyClick(window_.get(), Qt::Key_P, Qt::AltModifier);
        QVERIFY(window_->Session().RunGoing());  // at once, not after a button's press animation
        QTRY_COMPARE(Text("lblY"), QStringLiteral("Done"));
        QCOMPARE(window_->Session().Params().PrevRealCenter, 0.25);
        QCOMPARE(Field("txtCx")->text(), QStringLiteral("0.25000000000000000000"));
    }

    void choicesShowTheFieldsTheyUse() {
        Choose(List("cboEqn"), QStringLiteral("Chebyshev"));
        QVERIFY(Shown("txtP3"));
        QCOMPARE(Field("txtP3")->text(), QStringLiteral("5"));
        QCOMPARE(Text("lblEqnDesc"),
                 QStringLiteral("Chebyshev approximation of order 3 to 9\r\nOrder = P3 (integer)"));
        Choose(List("cboEqn"), QStringLiteral("Pokorny"));
        QVERIFY(!Shown("txtP3"));

        Choose(List("cboRender"), QStringLiteral("Petals"));
        QVERIFY(Shown("txtP1") && Shown("txtP2"));
        QCOMPARE(Field("txtP1")->text(), QStringLiteral("0.100"));
        QCOMPARE(Field("txtP2")->text(), QStringLiteral("0.100"));
        QVERIFY(!Shown("cboFunc1"));

        Choose(List("cboRender"), QStringLiteral("Angle Function 1"));
        QVERIFY(Shown("cboFunc1") && Shown("cboFunc2"));
        QCOMPARE(List("cboFunc1")->currentText(), QStringLiteral("ident"));
        Choose(List("cboFunc1"), QStringLiteral("sin"));
        Choose(List("cboFunc2"), QStringLiteral("conj"));
        QCOMPARE(window_->Session().Params().Func1, 4);

        // Functions a rendering does not use are passed as 0.
        Choose(List("cboRender"), QStringLiteral("Rings"));
        QVERIFY(!Shown("cboFunc1") && !Shown("cboFunc2") && !Shown("txtP2"));
        ClickPlot();
        QCOMPARE(window_->Session().Params().Rendering, 0);
        QCOMPARE(window_->Session().Params().Func1, 0);
        QCOMPARE(window_->Session().Params().Func2, 0);
        QCOMPARE(window_->Session().Params().Parm1, 0.1);
    }

    void aJuliaSetShowsItsConstant() {
        RestartWith({{"EqnType", "107"}, {"JuliaReal", "-0.75"}});
        QVERIFY(Shown("txtJuliaX") && Shown("txtJuliaY"));
        QCOMPARE(Field("txtJuliaX")->text(), QStringLiteral("-0.75000000000000000000"));
        QCOMPARE(List("cboEqn")->currentText(), QStringLiteral("Spiral Symmetry 2"));
        QCOMPARE(Button("cmdSwitch")->text(), QStringLiteral("Switch to Mset"));

        TypeInto(Field("txtJuliaY"), QStringLiteral("0.5"));
        ClickPlot();
        QCOMPARE(window_->Session().Params().EqnType, int16_t{107});
        QCOMPARE(window_->Session().Params().JuliaImag, 0.5);

        // Another equation keeps the Julia mode: its Julia set is plotted with the same constant.
        Choose(List("cboEqn"), QStringLiteral("Pokorny"));
        ClickPlot();
        QCOMPARE(window_->Session().Params().EqnType, int16_t{101});
        QCOMPARE(window_->Session().Params().JuliaReal, -0.75);
        QVERIFY(Shown("txtJuliaX"));
        QCOMPARE(Button("cmdSwitch")->text(), QStringLiteral("Switch to Mset"));

        // A blank Julia field is reported after the centre, iteration and limit fields.
        Field("txtJuliaX")->setText(QString());
        MessageRecorder messages;
        ClickPlot();
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("Julia Real is blank.")});
    }

    void defaultCoordinatesPlotTheWholeSet() {
        TypeInto(Field("txtMagnify"), QStringLiteral("20"));
        TypeInto(Field("txtAngle"), QStringLiteral("-30"));
        Button("cmdDefCoords")->click();
        WaitUntilIdle();
        QCOMPARE(Text("lblY"), QStringLiteral("Done"));
        QCOMPARE(window_->Session().Params().PrevRealCenter, 0.0);
        QCOMPARE(window_->Session().Params().TotalMagnify, 1.0);
        QCOMPARE(window_->Session().Params().TotalAngleDeg, 0.0);
        QCOMPARE(Field("txtMagnify")->text(), QStringLiteral("1.00000000000000000000"));
    }
};

}  // namespace zenphra::app

QTEST_MAIN(zenphra::app::ExplorerPanelTest)
#include "explorer_panel_test.moc"
