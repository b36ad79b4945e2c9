// The real file-name dialog as GetFname shows it: Qt's own dialog with the kind's title, filter, default
// extension and folder, answered here by typing a name as the user would.
#include "app/imagefiles/file_dialog_box.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/imagefiles/get_fname.h"
#include "tests/gui/gui_test_support.h"

namespace zenphra::app {

class FileDialogBoxTest : public QObject {
    Q_OBJECT

  private:
    // Opens the dialog of `type`, records how it is set up, types `name` and presses Enter; a question
    // that the dialog asks on the way is answered with `answer`, after which the dialog is cancelled.
    QString Choose(int16_t type, const QString& name, QMessageBox::StandardButton answer = QMessageBox::No) {
        QString result;
        WithDialog([&] { result = GetFname(type, 4, locations_); },
                   [&](QDialog& shown) {
                       auto& dialog = static_cast<QFileDialog&>(shown);
                       seen_ = Seen{dialog.windowTitle(),
                                    dialog.nameFilters(),
                                    dialog.defaultSuffix(),
                                    dialog.directory().absolutePath(),
                                    dialog.acceptMode(),
                                    dialog.fileMode(),
                                    dialog.testOption(QFileDialog::DontUseNativeDialog),
                                    dialog.testOption(QFileDialog::DontConfirmOverwrite),
                                    Find<QLineEdit>(dialog, "fileNameEdit")->text()};
                       // Run under a real X server with this set, the dialog is kept as a picture to look at.
                       if (const QString screenshots = qEnvironmentVariable("ZENPHRA_SCREENSHOTS");
                           !screenshots.isEmpty()) {
                           dialog.grab().save(screenshots + "/fileDialog-" + QString::number(type) + ".png");
                       }
                       asked_ = false;
                       AnswerQuestion(answer, &dialog);
                       auto* edit = Find<QLineEdit>(dialog, "fileNameEdit");
                       edit->clear();
                       QTest::keyClicks(edit, name);
                       QTest::keyClick(edit, Qt::Key_Return);
                   });
        return result;
    }

    // Answers the next message box the dialog shows; after a No the dialog stays open and is cancelled.
    // The poll belongs to the dialog and ends with it.
    void AnswerQuestion(QMessageBox::StandardButton answer, QDialog* dialog) {
        auto* poll = new QTimer(dialog);
        poll->setInterval(5);
        connect(poll, &QTimer::timeout, [this, poll, answer, dialog] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            asked_ = true;
            poll->stop();
            box->button(answer)->click();
            if (answer == QMessageBox::No) QTimer::singleShot(0, dialog, &QDialog::reject);
        });
        poll->start();
    }

    QString In(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }

    struct Seen {
        QString title;
        QStringList filters;
        QString suffix;
        QString folder;
        QFileDialog::AcceptMode mode;
        QFileDialog::FileMode fileMode;
        bool ownDialog;
        bool noOverwriteQuestion;
        QString proposedName;
    };
    Seen seen_;
    bool asked_ = false;
    QTemporaryDir folder_;
    FileLocations locations_;

  private slots:
    void initTestCase() { InstallFileDialogPresenter(); }

    void init() {
        locations_ = StartupLocations(folder_.path());
        for (const char* sub : {"Images", "Parameters", "Colormaps"})
            QVERIFY(QDir(folder_.path()).mkpath(sub));
    }

    void theImageSaveDialogAddsItsExtensionAndAsksBeforeReplacing() {
        QCOMPARE(Choose(kSaveImageDialog, "Spiral"), In("Images/Spiral.png"));
        QCOMPARE(seen_.title, QStringLiteral("Save Fractal Image File"));
        QCOMPARE(seen_.filters, QStringList{QStringLiteral("Fractal Image Files [*.PNG] (*.png)")});
        QCOMPARE(seen_.suffix, QStringLiteral("png"));
        QCOMPARE(seen_.folder, In("Images"));
        QCOMPARE(seen_.mode, QFileDialog::AcceptSave);
        QVERIFY(seen_.ownDialog);
        QVERIFY(!seen_.noOverwriteQuestion);
        QCOMPARE(locations_.SavedImageName, QStringLiteral("Spiral"));

        QFile existing(In("Images/Spiral.png"));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        QCOMPARE(Choose(kSaveImageDialog, "Spiral.png", QMessageBox::No), kCancelled);
        QVERIFY(asked_);
        QCOMPARE(Choose(kSaveImageDialog, "Spiral.png", QMessageBox::Yes), In("Images/Spiral.png"));
        QVERIFY(asked_);
    }

    // A name in a folder that is not there is refused in the dialog itself, which stays open; nothing is
    // remembered of it.
    void saveDialogsRefuseAFolderThatIsNotThere() {
        MessageRecorder messages;
        for (const int16_t type : {kSaveImageDialog, kSaveColormapDialog, kSaveParamsDialog}) {
            QString result;
            bool stayedOpen = false;
            QString folder;
            WithDialog([&] { result = GetFname(type, 4, locations_); },
                       [&](QDialog& dialog) {
                           folder = static_cast<QFileDialog&>(dialog).directory().absolutePath();
                           auto* edit = Find<QLineEdit>(dialog, "fileNameEdit");
                           QTest::keyClicks(edit, "nosuch/Spiral");
                           QTest::keyClick(edit, Qt::Key_Return);
                           stayedOpen = dialog.isVisible();
                           dialog.reject();
                       });
            QVERIFY(stayedOpen);
            QCOMPARE(result, kCancelled);
            QCOMPARE(messages.lastText(), "The folder \"" + folder + "/nosuch\" does not exist.");
            QCOMPARE(messages.messages().last().icon, MessageIcon::kExclamation);
        }
        QCOMPARE(messages.messages().size(), 3);
        QCOMPARE(messages.messages().first().title, QStringLiteral("Save Fractal Image File"));
        QCOMPARE(locations_.ImageSaveFolder, In("Images"));
        QCOMPARE(locations_.SavedImageName, QString());
    }

    void theParameterDialogsAddToFilesWithoutAskingAndRememberTheFile() {
        QFile existing(In("Parameters/mine.prm"));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        QCOMPARE(Choose(kSaveParamsDialog, "mine"), In("Parameters/mine.prm"));
        QVERIFY(!asked_);
        QVERIFY(seen_.noOverwriteQuestion);

        QCOMPARE(Choose(kLoadParamsDialog, "mine.prm"), In("Parameters/mine.prm"));
        QCOMPARE(seen_.title, QStringLiteral("Load Fractal Parameters"));
        QCOMPARE(seen_.mode, QFileDialog::AcceptOpen);
        QCOMPARE(seen_.fileMode, QFileDialog::ExistingFile);
        QCOMPARE(Choose(kLoadParamsDialog, "mine.prm"), In("Parameters/mine.prm"));
        QCOMPARE(seen_.proposedName, QStringLiteral("mine.prm"));
    }

    void colormapDialogsOfferTheExtensionOfTheRangesAndRefuseOthers() {
        MessageRecorder messages;
        QCOMPARE(Choose(kSaveColormapDialog, "warm.cm8"), kBadExtension);
        QCOMPARE(seen_.filters, QStringList{QStringLiteral("Colormap Files [*.CM4] (*.cm4)")});
        QCOMPARE(seen_.folder, In("Colormaps"));
        QCOMPARE(
            messages.lastText(),
            QStringLiteral("Incorrect filename extension.\r\nIf an extension is entered, it must be .cm4"));
        QCOMPARE(Choose(kSaveColormapDialog, "warm"), In("Colormaps/warm.cm4"));
    }
};

}  // namespace zenphra::app

QTEST_MAIN(zenphra::app::FileDialogBoxTest)
#include "file_dialog_box_test.moc"
