// Saving and loading parameter entries from the explorer window: the two dialogs as the user works them,
// the file they leave behind, the plot a loaded entry starts, and entries exchanged with zenphra-render.
#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/colormaps/palette_colors.h"
#include "app/common/engine_api.h"
#include "app/common/text_lines.h"
#include "app/imagefiles/get_fname.h"
#include "app/params/param_file.h"
#include "tests/gui/gui_test_support.h"

namespace zenphra::app {

class ParamEntriesTest : public ExplorerTestCase {
    Q_OBJECT

  public:
    // Every file dialog chooses the test's own parameter file.
    ParamEntriesTest() {
        SetFileDialogPresenter([this](const FileDialogRequest&) { return std::optional<QString>(Prm()); });
    }
    ~ParamEntriesTest() override { SetFileDialogPresenter({}); }

  private:
    QString Prm() const {
        return folder_.filePath(QString::fromLatin1(QTest::currentTestFunction()) + QStringLiteral(".prm"));
    }

    // Clicks the command and works its dialog with `action`.
    void WorkDialog(const char* command, const std::function<void(QDialog&)>& action) {
        WithDialog([&] { Button(command)->click(); }, action);
    }

    // Clicks the command and reports whether a dialog opened (which is then cancelled).
    bool DialogOpens(const char* command) {
        bool opened = false;
        QTimer poll;
        poll.setInterval(5);
        connect(&poll, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                opened = true;
                dialog->reject();
            }
        });
        poll.start();
        Button(command)->click();
        return opened;
    }

    static QLineEdit* Box(QDialog& dialog, const char* name) { return Find<QLineEdit>(dialog, name); }
    static QListWidget* Entries(QDialog& dialog) { return Find<QListWidget>(dialog, "lstEntries"); }
    static void DoubleClick(QListWidget* list, int row) {
        const QPoint centre = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
    }
    static void Click(QDialog& dialog, const char* button) {
        QTest::mouseClick(Find<QPushButton>(dialog, button), Qt::LeftButton);
    }

    // Saves the window's parameters as an entry of that name in the answered file.
    void SaveEntry(const QString& name) {
        WorkDialog("cmdSaveParam", [&](QDialog& dialog) {
            Box(dialog, "txtEntry")->setText(name);
            Click(dialog, "cmdOK");
        });
    }

    QStringList EntryNames() const {
        QStringList names;
        for (const EntryName& entry : ListEntriesForSave(Prm()).value_or(std::vector<EntryName>()))
            names << entry.name;
        return names;
    }

    // Runs the command and returns the rows of the plot it starts, once that has stopped.
    QList<int32_t> RowsPlottedBy(const std::function<void()>& command) {
        QList<int32_t> rows;
        window_->Runner().SetRowObserver([&](int32_t row) {
            QMetaObject::invokeMethod(
                window_.get(), [&] { rows << row; }, Qt::BlockingQueuedConnection);
        });
        command();
        WaitUntilIdle();
        window_->Runner().SetRowObserver({});
        return rows;
    }

    // Three entries unlike one another and unlike the window's first-run parameters, each with colours
    // of its own.
    void WriteThreeEntries() {
        for (int entry = 0; entry < 3; ++entry) {
            FractalParams params;
            params.EqnType = entry == 2 ? 124 : 1;
            params.MaxIters = 200 + entry;
            params.NumRanges = 4;
            params.Rendering = 9;
            params.Parm1 = 0.25;
            params.Parm2 = 0.05;
            params.Banding = 1;
            params.JuliaReal = 0.5;
            params.PrevRealCenter = 0.0;
            PaletteArrays colors;
            for (int index = 0; index < kPaletteEntries; ++index)
                SetPaletteColor(colors, index,
                                PackColor(uint8_t(index), uint8_t(40 * entry), uint8_t(255 - index)));
            const QString name = QStringLiteral("Entry %1").arg(entry + 1);
            QVERIFY(AppendEntry(Prm(), EntryText{name, name, "c1", "c2", "c3"}, params, colors));
        }
    }

    // The palette index of every pixel of the window's image, as the library saves it.
    static QByteArray WindowIndices() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("window.png"));
        if (Engine().WriteFractalFile(QFile::encodeName(path).constData(), "text") != 0) return {};
        return Indices(path);
    }

    // The palette index of every pixel of a saved image, read with another PNG reader.
    static QByteArray Indices(const QString& path) {
        const QImage image(path);
        if (image.format() != QImage::Format_Indexed8) return {};
        QByteArray indices;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) indices += char(image.pixelIndex(x, y));
        }
        return indices;
    }

    // Runs zenphra-render, which lies beside the test, and returns what it printed.
    static QByteArray Render(const QStringList& arguments) {
        QProcess renderer;
        renderer.start(QCoreApplication::applicationDirPath() + QStringLiteral("/zenphra-render"), arguments);
        if (!renderer.waitForFinished(120000) || renderer.exitCode() != 0) {
            qWarning("zenphra-render failed: %s", renderer.readAllStandardError().constData());
            return {};
        }
        return renderer.readAllStandardOutput();
    }

    static QByteArray FileBytes(const QString& path) { return ReadWholeFile(path).value_or(QByteArray()); }
    static void WriteBytes(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

    QTemporaryDir folder_;

  private slots:
    void savingNeedsANameAndLetterCaseMakesANewEntry() {
        MessageRecorder log;
        PlotRows();
        window_->Locations().SavedImageName = QStringLiteral("Valley");
        int listed = -1;
        bool stayedOpen = false;
        QStringList messagesThen;
        QString caption;
        QString proposed;
        WorkDialog("cmdSaveParam", [&](QDialog& dialog) {
            caption = dialog.windowTitle();
            proposed = Box(dialog, "txtEntry")->text();
            listed = Entries(dialog)->count();
            Box(dialog, "txtEntry")->setText(QStringLiteral("   "));
            Click(dialog, "cmdOK");
            stayedOpen = dialog.isVisible() && !QFile::exists(Prm());
            messagesThen = log.texts();
            Box(dialog, "txtEntry")->setText(QStringLiteral(" Seahorse "));
            Click(dialog, "cmdOK");
        });
        QCOMPARE(caption, QString(52, ' ') + QStringLiteral("Parameter File Entry Information"));
        QCOMPARE(proposed, QStringLiteral("Valley"));  // the name of the image saved last
        QCOMPARE(listed, 0);
        QVERIFY(stayedOpen);
        QCOMPARE(messagesThen, QStringList{"An Entry Name is required."});
        QVERIFY(!window_->Session().DialogCancelled());
        QCOMPARE(EntryNames(), QStringList{"Seahorse"});

        // The next Save lists the entry; a double click copies its name, and so does Enter on the list,
        // which does nothing more. Letter case makes the name new.
        QString copied;
        QString copiedByEnter;
        WorkDialog("cmdSaveParam", [&](QDialog& dialog) {
            listed = Entries(dialog)->count();
            Box(dialog, "txtEntry")->clear();
            Entries(dialog)->setCurrentRow(0);
            QTest::keyClick(Entries(dialog), Qt::Key_Return);
            copiedByEnter = dialog.isVisible() ? Box(dialog, "txtEntry")->text() : QString();
            Box(dialog, "txtEntry")->clear();
            DoubleClick(Entries(dialog), 0);
            copied = Box(dialog, "txtEntry")->text();
            Box(dialog, "txtEntry")->setText(QStringLiteral("seahorse"));
            Click(dialog, "cmdOK");
        });
        QCOMPARE(listed, 1);
        QCOMPARE(copiedByEnter, QStringLiteral("Seahorse"));
        QCOMPARE(copied, QStringLiteral("Seahorse"));
        QCOMPARE(EntryNames(), QStringList({"Seahorse", "seahorse"}));
        QCOMPARE(log.messages().size(), 1);
        QVERIFY(Button("cmdSaveParam")->isEnabled() && Button("cmdPlot")->isEnabled());
    }

    void noToTheOverwriteQuestionKeepsTheDialogOpenWithItsTexts() {
        MessageRecorder log;  // answers No
        PlotRows();
        SaveEntry(QStringLiteral("Seahorse"));
        const QByteArray saved = FileBytes(Prm());
        bool stayedOpen = false;
        bool enterMovedOn = false;
        bool busy = false;
        WorkDialog("cmdSaveParam", [&](QDialog& dialog) {
            busy = !Button("cmdPlot")->isEnabled() && !Widget("framCoords")->isEnabled();
            // Enter moves from one text box to the next and is not typed; the focus needs the dialog active.
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            Box(dialog, "txtEntry")->setFocus();
            QTest::keyClick(Box(dialog, "txtEntry"), Qt::Key_Return);
            enterMovedOn = Box(dialog, "txtAuthor")->hasFocus();
            Box(dialog, "txtEntry")->setText(QStringLiteral("Seahorse"));
            Box(dialog, "txtAuthor")->setText(QStringLiteral("Ann"));
            Box(dialog, "txtComm3")->setText(QStringLiteral("deep"));
            Click(dialog, "cmdOK");
            stayedOpen = dialog.isVisible() &&
                         Box(dialog, "txtEntry")->text() == QStringLiteral("Seahorse") &&
                         Box(dialog, "txtAuthor")->text() == QStringLiteral("Ann") &&
                         Box(dialog, "txtComm3")->text() == QStringLiteral("deep");
            Click(dialog, "cmdCancel");
        });
        QVERIFY(busy);
        QVERIFY(enterMovedOn);
        QVERIFY(stayedOpen);
        QCOMPARE(log.lastText(),
                 QStringLiteral("The entry \"Seahorse\" already exists.\r\nDo you want to overwrite it?"));
        QCOMPARE(FileBytes(Prm()), saved);
        QVERIFY(window_->Session().DialogCancelled());
        QVERIFY(Button("cmdSaveParam")->isEnabled() && Widget("framCoords")->isEnabled());
    }

    void aFileThatCannotBeWrittenIsKeptAndSaidSo() {
        MessageRecorder log;
        PlotRows();
        SaveEntry(QStringLiteral("Seahorse"));
        const QByteArray saved = FileBytes(Prm());
        QVERIFY(QFile::setPermissions(Prm(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        bool stayedOpen = false;
        WorkDialog("cmdSaveParam", [&](QDialog& dialog) {
            Box(dialog, "txtEntry")->setText(QStringLiteral("Spiral"));
            Click(dialog, "cmdOK");
            stayedOpen = dialog.isVisible();
            Click(dialog, "cmdCancel");
        });
        QVERIFY(stayedOpen);
        QCOMPARE(log.texts(), QStringList{"Error writing \"" + Prm() + "\""});
        QCOMPARE(FileBytes(Prm()), saved);
    }

    void loadingPlotsTheEntryAtOnceWithItsColours() {
        WriteThreeEntries();
        MessageRecorder log;
        QString shownAuthor;
        int firstSelected = -1;
        QString caption;
        const QList<int32_t> rows = RowsPlottedBy([&] {
            WorkDialog("cmdLoadParam", [&](QDialog& dialog) {
                caption = dialog.windowTitle();
                firstSelected = Entries(dialog)->currentRow();
                Entries(dialog)->setCurrentRow(2);
                shownAuthor = Box(dialog, "txtAuthor")->text();
                // A double click loads as the Load button does.
                DoubleClick(Entries(dialog), 2);
            });
        });
        QCOMPARE(caption, QString(61, ' ') + QStringLiteral("Load Parameter Entry"));
        QCOMPARE(firstSelected, 0);
        QCOMPARE(shownAuthor, QStringLiteral("Author : Entry 3"));
        QVERIFY(log.messages().isEmpty());

        QCOMPARE(rows.first(), 0);
        QCOMPARE(rows.size(), 120);
        const ExplorerSession& session = window_->Session();
        QCOMPARE(session.Params().EqnType, int16_t(124));
        QCOMPARE(session.Params().MaxIters, 202);
        QCOMPARE(session.Params().HorRes, 160);  // an entry carries no size
        QCOMPARE(Field("txtMaxIter")->text(), QStringLiteral("202"));
        QCOMPARE(List("cboEqn")->currentText(), QStringLiteral("Lambda"));
        QVERIFY(Shown("txtJuliaX"));
        QCOMPARE(Text("lblBanding"), QStringLiteral("Banding :  ON"));
        QCOMPARE(window_->findChild<QAction*>("mnuBanding")->text(), QStringLiteral("Remove Image &Banding"));
        // The palette holds the entry's colours: its range ends, maximum-iteration and background colours.
        const std::vector<PackedColor> ends = RangeEndColors(session.Palette(), 4);
        QCOMPARE(ends.front(), PackColor(0, 80, 255));
        QCOMPARE(ends.back(), PackColor(231, 80, 24));
        QCOMPARE(PaletteColor(session.Palette(), kMaxIterEntry), PackColor(232, 80, 23));
        QCOMPARE(PaletteColor(session.Palette(), kBackgroundEntry), PackColor(233, 80, 22));
        QVERIFY(session.ImagePresent() && Button("cmdSaveParam")->isEnabled());

        // The entry loaded last is selected next time; Cancel changes nothing.
        const FractalParams loaded = session.Params();
        WorkDialog("cmdLoadParam", [&](QDialog& dialog) {
            firstSelected = Entries(dialog)->currentRow();
            shownAuthor = Box(dialog, "txtAuthor")->text();
            Click(dialog, "cmdCancel");
        });
        QCOMPARE(firstSelected, 2);
        QCOMPARE(shownAuthor, QStringLiteral("Author : Entry 3"));
        QVERIFY(session.DialogCancelled());
        QCOMPARE(session.Params(), loaded);
        QVERIFY(!session.RunGoing() && Button("cmdLoadParam")->isEnabled());
        QCOMPARE(Text("lblY"), QStringLiteral("Done"));
    }

    void aCorruptFileIsSaidSoAndNoDialogOpens() {
        MessageRecorder log;
        for (const QByteArray& contents :
             {QByteArray(), QByteArray("name\r\nAuthor : \r\n"), QByteArray("name\r\n\r\nEND\r\n")}) {
            WriteBytes(Prm(), contents);
            QVERIFY(!DialogOpens("cmdLoadParam"));
            QCOMPARE(log.lastText(), "The file \"" + Prm() + "\" is corrupt.");
            QVERIFY(Button("cmdLoadParam")->isEnabled() && Widget("framCoords")->isEnabled());
        }
        QCOMPARE(log.messages().size(), 3);
        QVERIFY(window_->Session().DialogCancelled());
    }

    void anEntryThatCannotBeUsedClosesTheDialogAndKeepsTheParameters() {
        PlotRows();
        FractalParams unsupported;
        unsupported.EqnType = 102;
        QVERIFY(AppendEntry(Prm(), EntryText{"Julia 2", "", "", "", ""}, unsupported,
                            window_->Session().Palette()));
        const FractalParams before = window_->Session().Params();
        const PaletteArrays paletteBefore = window_->Session().Palette();
        MessageRecorder log;
        bool closed = false;
        WorkDialog("cmdLoadParam", [&](QDialog& dialog) {
            Click(dialog, "cmdLoad");
            closed = !dialog.isVisible();
        });
        QVERIFY(closed);
        QCOMPARE(log.messages().size(), 1);
        QCOMPARE(log.messages()[0].title, QStringLiteral("Equation Not Supported"));
        const ExplorerSession& session = window_->Session();
        QCOMPARE(session.Params(), before);
        QVERIFY(session.Palette() == paletteBefore);
        QVERIFY(session.DialogCancelled() && !session.RunGoing() && session.ImagePresent());
        QVERIFY(Button("cmdLoadParam")->isEnabled() && Button("cmdSaveParam")->isEnabled());
        QCOMPARE(Text("lblY"), QStringLiteral("Done"));
    }

    void anEntrySavedFromTheWindowRendersToTheWindowsImage() {
        RestartWith({{"EqnType", "1"},
                     {"Rendering", "9"},
                     {"Parm1", "0.3"},
                     {"Parm2", "0.05"},
                     {"MaxIters", "250"},
                     {"NumRanges", "4"},
                     {"Banding", "1"},
                     {"PrevRealCenter", "0.1"},
                     {"TotalMagnify", "0.7"},
                     {"TotalAngleDeg", "30"}});
        PlotRows();
        SaveEntry(QStringLiteral("Window"));
        const QString rendered = folder_.filePath(QStringLiteral("rendered.png"));
        Render({"--prm", Prm(), "--entry", "Window", "--size", "160x120", "-q", "-o", rendered});
        const QByteArray window = WindowIndices();
        QCOMPARE(window.size(), 160 * 120);
        QCOMPARE(Indices(rendered), window);
    }

    void anEntryWrittenByTheRendererLoadsInTheWindow() {
        const QString image = folder_.filePath(QStringLiteral("Spiral Petals.png"));
        Render({"--equation", "spiral symmetry 2", "--julia", "-0.75,0.1", "--rendering", "Petals", "--p1",
                "0.2", "--iters", "300", "--ranges", "2", "--banding", "on", "--size", "160x120", "-q", "-o",
                image});
        WriteBytes(Prm(), Render({"--info", image}));
        QCOMPARE(EntryNames(), QStringList{"Spiral Petals"});

        const QList<int32_t> rows = RowsPlottedBy(
            [&] { WorkDialog("cmdLoadParam", [&](QDialog& dialog) { Click(dialog, "cmdLoad"); }); });
        QCOMPARE(rows.size(), 120);
        QCOMPARE(List("cboEqn")->currentText(), QStringLiteral("Spiral Symmetry 2"));
        QCOMPARE(List("cboRender")->currentText(), QStringLiteral("Petals"));
        const QByteArray window = WindowIndices();
        QCOMPARE(window.size(), 160 * 120);
        QCOMPARE(window, Indices(image));
    }
};

}  // namespace zenphra::app

QTEST_MAIN(zenphra::app::ParamEntriesTest)
#include "param_entries_test.moc"
