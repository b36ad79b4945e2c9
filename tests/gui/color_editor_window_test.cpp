// The colormap editor window over a plotted picture: what each editor shows, the mouse on the boxes,
// the scrollbars and the triangles, the buttons, and the picture following every accepted change.
#include <QGroupBox>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/colormaps/color_boxes.h"
#include "app/colormaps/color_editor_dialog.h"
#include "app/colormaps/hls_picker.h"
#include "app/imagefiles/get_fname.h"
#include "app/shell/reg_settings.h"
#include "tests/gui/editor_host.h"
#include "tests/gui/gui_test_support.h"

namespace zenphra::app {

class ColorEditorWindowTest : public QObject {
    Q_OBJECT

  private:
    // Opens the editor beside a new host, which stands left of the screen's middle so that the editor
    // fits beside it.
    void Open(int32_t ranges, bool usingHLS = false, bool largeFonts = false) {
        NewHost(ranges, QPoint(-200, 0), usingHLS);
        ColorEditorContext context = host_->Context();
        context.placement.largeFonts = largeFonts;
        dialog_ = std::make_unique<ColorEditorDialog>(context, host_.get());
        dialog_->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
    }

    // A host whose frame stands at `place`. The old host goes first: it takes the palette back from the
    // library when it ends.
    void NewHost(int32_t ranges, QPoint place, bool usingHLS = false) {
        dialog_.reset();
        host_.reset();
        host_ = std::make_unique<EditorHost>(ranges, QSize(256, 192));
        host_->usingHLS = usingHLS;
        host_->move(place);
        host_->show();
        QVERIFY(QTest::qWaitForWindowExposed(host_.get()));
    }

    template <typename Control>
    Control* Get(const char* name) const {
        return Find<Control>(*dialog_, name);
    }
    QScrollBar* Bar(const char* name) const { return Get<QScrollBar>(name); }
    QString Text(const char* name) const { return Get<QLabel>(name)->text(); }
    bool Shown(const char* name) const { return !Get<QWidget>(name)->isHidden(); }
    const ColorEditor& Editor() const { return dialog_->Editor(); }
    PackedColor Entry(int32_t entry) const { return PaletteColor(host_->palette, entry); }
    QImage Picture() const { return host_->Picture().Picture().convertToFormat(QImage::Format_RGB32); }

    void ClickBox(int32_t box) {
        auto* boxes = Get<ColorBoxes>("CmColor");
        QTest::mouseClick(boxes, Qt::LeftButton, {}, boxes->BoxRect(box).center());
    }

    // A click on one of the scrollbar's arrows.
    static void ClickArrow(QScrollBar* bar, QStyle::SubControl arrow) {
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = bar->orientation();
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = bar->sliderPosition();
        option.sliderValue = bar->value();
        option.singleStep = bar->singleStep();
        option.pageStep = bar->pageStep();
        const QRect rect = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, arrow, bar);
        QTest::mouseClick(bar, Qt::LeftButton, {}, rect.center());
    }

    // The picture shows the library's bitmap, re-coloured from the palette as it is now.
    bool PictureIsUpToDate() const {
        const QImage shown = Picture();
        return shown == host_->LibraryBitmap();
    }

    std::unique_ptr<EditorHost> host_;
    std::unique_ptr<ColorEditorDialog> dialog_;
    QTemporaryDir folder_;

  private slots:
    void initTestCase() {
        QVERIFY(folder_.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder_.path());
    }

    void cleanup() {
        dialog_.reset();
        host_.reset();
        for (const char* editor : {"frmEditColors2", "frmEditColors4", "frmEditColors8"})
            CRegSettings().DeleteSetting(QString::fromLatin1(editor), QString());
    }

    void eachEditorOpensBesideThePictureInRgbMode() {
        const struct {
            int32_t ranges;
            const char* name;
            const char* title;
        } editors[] = {{2, "frmEditColors2", "         Edit Two-Range Colormap"},
                       {4, "frmEditColors4", "          Edit Four-Range Colormap"},
                       {8, "frmEditColors8", "          Edit Eight-Range Colormap"}};
        for (const auto& editor : editors) {
            Open(editor.ranges);
            QCOMPARE(dialog_->objectName(), QString::fromLatin1(editor.name));
            QCOMPARE(dialog_->windowTitle(), QString::fromLatin1(editor.title));
            QCOMPARE(dialog_->pos(), EditorPosition(host_->Context().placement));
            QVERIFY(dialog_->isModal());
            QCOMPARE(Editor().Selected(), 0);
            QVERIFY(!Shown("framHLS") && Shown("hsbRed") && Bar("hsbRed")->isEnabled());
            QVERIFY(Get<QPushButton>("cmdHLS")->isEnabled() && !Get<QPushButton>("cmdRGB")->isEnabled());
            QVERIFY(Text("lblInstruct").endsWith("use the scrollbars to adjust the color."));
        }
        QCOMPARE(Get<QGroupBox>("framRotate")->title(), QStringLiteral("Rotate Color Ranges"));
        QStringList captions;
        for (const char* name :
             {"cmdHLS", "cmdRGB", "cmdLeft", "cmdRight", "cmdLoad", "cmdSave", "cmdOK", "cmdCancel"})
            captions << Get<QPushButton>(name)->text();
        QCOMPARE(captions, QStringList({"Use &HLS", "Use &RGB", "&Up", "&Down", "&Load Map", "&Save Map",
                                        "&OK", "&Cancel"}));
    }

    void clicksSelectRangeEndsAndTheSingleColoursOnly() {
        Open(4);
        ClickBox(57);
        QCOMPARE(Editor().Selected(), 57);
        QCOMPARE(Text("lblRed"), QString::number(RedOf(Entry(57))));
        QCOMPARE(Bar("hsbRed")->value(), int(RedOf(Entry(57))));
        ClickBox(10);
        QCOMPARE(Editor().Selected(), 57);
        ClickBox(kBackgroundEntry);
        QCOMPARE(Editor().Selected(), kBackgroundEntry);
        QCOMPARE(Text("lblBlu"), QStringLiteral("0"));
        QCOMPARE(host_->Recolourings(), 0);  // showing a colour is no edit
    }

    void anArrowClickAppliesAtOnceAfterTwoBoxesOfEqualRed() {
        Open(4);
        QCOMPARE(RedOf(Entry(0)), RedOf(Entry(58)));  // 252 in the default colours
        ClickBox(0);
        ClickBox(58);
        const QImage before = Picture();
        ClickArrow(Bar("hsbRed"), QStyle::SC_ScrollBarSubLine);
        QCOMPARE(Entry(58), PackColor(251, 252, 0));
        QCOMPARE(Text("lblRed"), QStringLiteral("251"));
        QCOMPARE(host_->Recolourings(), 1);
        QVERIFY(PictureIsUpToDate());
        QVERIFY(Picture() != before);
    }

    void aThumbDragIsAppliedWhenLetGo() {
        Open(8);
        QScrollBar* green = Bar("hsbGrn");
        const PackedColor before = Entry(0);
        green->setSliderDown(true);
        green->setSliderPosition(200);
        QCOMPARE(Text("lblGrn"), QStringLiteral("200"));
        QCOMPARE(Entry(0), before);
        green->setSliderDown(false);
        QCOMPARE(Entry(0), PackColor(RedOf(before), 200, BlueOf(before)));
        QVERIFY(PictureIsUpToDate());
    }

    void trianglesAreDraggedWithThePointerHidden() {
        Open(4);
        ClickBox(58);  // yellow
        QTest::mouseClick(Get<QPushButton>("cmdHLS"), Qt::LeftButton);
        QVERIFY(host_->usingHLS);
        QVERIFY(Shown("framHLS") && !Bar("hsbRed")->isEnabled());
        QVERIFY(!Get<QPushButton>("cmdHLS")->isEnabled() && Get<QPushButton>("cmdRGB")->isEnabled());
        QVERIFY(Text("lblInstruct").endsWith("use the small black triangles to adjust the color."));
        QCOMPARE(Text("lblH"), QStringLiteral("60"));

        auto* hue = Get<HlsPicker>("picHue");
        const auto at = [&](int x) { return hue->TriangleOrigin() + QPoint(x, 4); };
        const int centre = static_cast<int>(Editor().Pickers().Position(HlsStrip::kHue)) + 5;
        QTest::mousePress(hue, Qt::LeftButton, {}, at(centre + 20));  // too far from the triangle
        QTest::mouseMove(hue, at(0));
        QTest::mouseRelease(hue, Qt::LeftButton, {}, at(0));
        QCOMPARE(Text("lblH"), QStringLiteral("60"));
        QCOMPARE(host_->Recolourings(), 0);

        QTest::mousePress(hue, Qt::LeftButton, {}, at(centre));
        QCOMPARE(hue->cursor().shape(), Qt::BlankCursor);
        QTest::mouseMove(hue, at(-300));
        QCOMPARE(Text("lblH"), QStringLiteral("0"));
        QCOMPARE(Entry(58), PackColor(252, 252, 0));  // nothing applied while dragging
        QTest::mouseRelease(hue, Qt::LeftButton, {}, at(-300));
        QVERIFY(!hue->testAttribute(Qt::WA_SetCursor));
        QCOMPARE(Editor().Pickers().Position(HlsStrip::kHue), 0.0f);
        QCOMPARE(Entry(58), PackColor(252, 0, 0));
        QCOMPARE(host_->Recolourings(), 1);
        QVERIFY(PictureIsUpToDate());

        QTest::mouseClick(Get<QPushButton>("cmdRGB"), Qt::LeftButton);
        QVERIFY(!host_->usingHLS && !Shown("framHLS") && Bar("hsbRed")->isEnabled());
        QCOMPARE(QStringList({Text("lblRed"), Text("lblGrn"), Text("lblBlu")}),
                 QStringList({"252", "0", "0"}));
    }

    void theEditorOpensInTheModeLastUsed() {
        Open(2, true);
        QVERIFY(Shown("framHLS"));
        QVERIFY(Get<QPushButton>("cmdRGB")->isEnabled() && !Bar("hsbBlu")->isEnabled());
    }

    void rotationButtonsTurnThePaletteAndThePicture() {
        Open(8);
        const PaletteArrays start = host_->palette;
        const QImage picture = Picture();
        ClickBox(28);
        QTest::mouseClick(Get<QPushButton>("cmdRight"), Qt::LeftButton);
        QCOMPARE(Entry(29), PaletteColor(start, 0));
        QCOMPARE(Editor().Selected(), 0);
        QVERIFY(PictureIsUpToDate());
        QTest::mouseClick(Get<QPushButton>("cmdLeft"), Qt::LeftButton);
        QCOMPARE(host_->palette, start);
        QCOMPARE(Picture(), picture);
    }

    void mapsAreSavedAndLoadedThroughTheFileDialogs() {
        Open(4);
        const QString saved = folder_.filePath(QStringLiteral("Warm.cm4"));
        QList<std::optional<QString>> answers{saved, saved};
        const FileDialogPresenter previous = SetFileDialogPresenter(
            [&](const FileDialogRequest&) { return answers.isEmpty() ? std::nullopt : answers.takeFirst(); });
        ClickBox(kMaxIterEntry);
        Bar("hsbRed")->triggerAction(QAbstractSlider::SliderToMaximum);
        QTest::mouseClick(Get<QPushButton>("cmdSave"), Qt::LeftButton);
        QTest::mouseClick(Get<QPushButton>("cmdCancel"), Qt::LeftButton);
        QCOMPARE(host_->colors.MaxIterColor, 0);

        Open(4);
        ClickBox(57);
        QTest::mouseClick(Get<QPushButton>("cmdLoad"), Qt::LeftButton);
        QCOMPARE(Editor().Selected(), 0);
        QCOMPARE(host_->colors.MaxIterColor, 255);
        QCOMPARE(Entry(kMaxIterEntry), 255);
        QVERIFY(PictureIsUpToDate());
        SetFileDialogPresenter(previous);
    }

    // Cancel, Escape and the window's close button all mean "no": the palette and the picture go back to
    // what they were when the editor opened. Only OK keeps the edits.
    void everyWayOutButOkPutsThePictureBack() {
        for (const auto& leave :
             {std::function<void()>(
                  [this] { QTest::mouseClick(Get<QPushButton>("cmdCancel"), Qt::LeftButton); }),
              std::function<void()>([this] { QTest::keyClick(dialog_.get(), Qt::Key_Escape); }),
              std::function<void()>([this] { dialog_->close(); })}) {
            Open(8);
            const PaletteArrays start = host_->palette;
            const QImage picture = Picture();
            ClickBox(kMaxIterEntry);
            Bar("hsbGrn")->triggerAction(QAbstractSlider::SliderToMaximum);
            QTest::mouseClick(Get<QPushButton>("cmdLeft"), Qt::LeftButton);
            QVERIFY(Picture() != picture);
            leave();
            QVERIFY(!dialog_->isVisible());
            QCOMPARE(host_->palette, start);
            QCOMPARE(host_->colors.MaxIterColor, 0);
            QCOMPARE(Picture(), picture);
        }

        Open(8);
        ClickBox(kMaxIterEntry);
        Bar("hsbGrn")->triggerAction(QAbstractSlider::SliderToMaximum);
        Get<QPushButton>("cmdOK")->click();
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(dialog_->result(), int(QDialog::Accepted));
        QCOMPARE(host_->colors.MaxIterColor, 0x00FF00);
        QCOMPARE(Entry(kMaxIterEntry), 0x00FF00);
        QVERIFY(PictureIsUpToDate());
    }

    // Beside a main window that reaches past the right edge of the screen, the editor (wider than the
    // part of the main window it covers) is moved left until all of it, its OK and Cancel buttons too,
    // is on the screen; just right of the picture on a large-fonts screen likewise.
    void theEditorOpensWhollyOnTheScreen() {
        for (const bool largeFonts : {false, true}) {
            const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
            NewHost(4, QPoint(screen.center().x(), screen.top() + 40));
            ColorEditorContext context = host_->Context();
            context.placement.largeFonts = largeFonts;
            dialog_ = std::make_unique<ColorEditorDialog>(context, host_.get());
            dialog_->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
            QVERIFY2(screen.contains(dialog_->frameGeometry()),
                     qPrintable(QStringLiteral("largeFonts %1").arg(largeFonts)));
            QCOMPARE(dialog_->frameGeometry().right(), screen.right());
            QCOMPARE(dialog_->pos().y(), EditorPosition(context.placement).y());
        }
    }

    void onALargeFontsScreenTheEditorComesBackWhereItWasLeft() {
        Open(4, false, true);
        EditorPlacement placement = host_->Context().placement;
        placement.largeFonts = true;
        QCOMPARE(dialog_->pos(), EditorPosition(placement));  // beside the picture
        dialog_->move(300, 200);
        Get<QPushButton>("cmdOK")->click();
        QCOMPARE(CRegSettings().GetSetting("frmEditColors4", "Left").toDouble(),
                 300 * placement.twipsPerPixelX);
        Open(4, false, true);
        QCOMPARE(dialog_->pos(), QPoint(300, 200));
        Open(8, false, true);  // each editor has a place of its own
        QCOMPARE(dialog_->pos(), EditorPosition(placement));

        // Elsewhere the editor always opens at its place and nothing is kept.
        Open(4);
        QCOMPARE(dialog_->pos(), EditorPosition(host_->Context().placement));
        dialog_->move(100, 100);
        Get<QPushButton>("cmdCancel")->click();
        QCOMPARE(CRegSettings().GetSetting("frmEditColors4", "Left").toDouble(),
                 300 * placement.twipsPerPixelX);
    }

    void theMainWindowOpensItModally() {
        Open(4);
        dialog_->hide();
        int result = -1;
        WithDialog(
            [&] { result = dialog_->exec(); },
            [&](QDialog& open) { QTest::mouseClick(Find<QPushButton>(open, "cmdOK"), Qt::LeftButton); });
        QCOMPARE(result, int(QDialog::Accepted));
    }
};

}  // namespace zenphra::app

QTEST_MAIN(zenphra::app::ColorEditorWindowTest)
#include "color_editor_window_test.moc"
