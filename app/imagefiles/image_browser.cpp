#include "app/imagefiles/image_browser.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

#include "app/common/engine_api.h"
#include "app/imagefiles/get_fname.h"
#include "app/shell/busy_pointer.h"
#include "app/shell/enter_key.h"
#include "app/shell/window_position.h"

namespace zenphra::app {
namespace {

constexpr int kPreviewWidth = 160;  // the largest thumbnail
constexpr int kPreviewHeight = 120;
constexpr int kListWidth = 220;

template <typename Control>
Control* Named(Control* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// A copy of the shown part of a library bitmap; the library reuses its bitmap for the next preview.
QPixmap CopyOfBitmap(int32_t handle, QSize shown) {
    int32_t width = 0;
    int32_t height = 0;
    int32_t stride = 0;
    uint8_t* bits = nullptr;
    if (Engine().GetBitmapInfo(handle, &width, &height, &stride, &bits) == 0) return {};
    const QImage bitmap(bits, width, height, stride, QImage::Format_BGR888);
    return QPixmap::fromImage(bitmap.copy(QRect(QPoint(0, 0), shown)));
}

}  // namespace

ImageBrowser::ImageBrowser(FileLocations& locations, ImageFileMemory& memory,
                           const WindowPositions& positions, QWidget* parent)
    : QDialog(parent), model_(locations, memory) {
    setObjectName(QStringLiteral("frmLoadFile"));
    KeepWindowPosition(this, positions, RestoreWhen::kFirstShow);
    // The blanks centre the caption in the title bar.
    setWindowTitle(QString(19, QLatin1Char(' ')) +
                   QStringLiteral("Load Quorvex-Talmy Fractals Lite Image File"));
    setModal(true);
    BuildControls();
    ShowModel();
    setFixedSize(sizeHint());
}

void ImageBrowser::BuildControls() {
    drvBox_ = Named(new QComboBox(this), "drvBox");
    dirBox_ = Named(new QListWidget(this), "dirBox");
    lstFiles_ = Named(new QListWidget(this), "lstFiles");
    for (QWidget* list :
         {static_cast<QWidget*>(drvBox_), static_cast<QWidget*>(dirBox_), static_cast<QWidget*>(lstFiles_)}) {
        list->setFixedWidth(kListWidth);
    }
    dirBox_->setFixedHeight(150);
    lstFiles_->setFixedHeight(170);

    auto* framPreview = new QGroupBox(QStringLiteral("Image Preview"), this);
    // The picture is drawn centred in the area of the largest thumbnail.
    img_ = Named(new QLabel(framPreview), "img");
    img_->setAlignment(Qt::AlignCenter);
    img_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    img_->setFixedSize(kPreviewWidth + 2 * img_->frameWidth(), kPreviewHeight + 2 * img_->frameWidth());
    chkPreview_ = Named(new QCheckBox(QStringLiteral("Show preview"), framPreview), "chkPreview");
    chkPreview_->setChecked(model_.ShowPreview());
    lblRes_ = Named(new QLabel(framPreview), "lblRes");
    lblFileSize_ = Named(new QLabel(framPreview), "lblFileSize");
    lblModified_ = Named(new QLabel(framPreview), "lblModified");
    auto* labels = new QFormLayout;
    labels->addRow(QStringLiteral("Resolution :"), lblRes_);
    labels->addRow(QStringLiteral("File Size :"), lblFileSize_);
    labels->addRow(QStringLiteral("Last Modified :"), lblModified_);
    auto* previewLayout = new QGridLayout(framPreview);
    previewLayout->addWidget(img_, 0, 0, Qt::AlignHCenter);
    previewLayout->addWidget(chkPreview_, 1, 0);
    previewLayout->addLayout(labels, 2, 0);
    previewLayout->setRowStretch(3, 1);
    framPreview->setMinimumWidth(260);

    cmdLoad_ = Named(new QPushButton(QStringLiteral("&Load"), this), "cmdLoad");
    cmdCancel_ = Named(new QPushButton(QStringLiteral("&Cancel"), this), "cmdCancel");
    cmdLoad_->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Drives"), this), 0, 0);
    layout->addWidget(drvBox_, 1, 0);
    layout->addWidget(new QLabel(QStringLiteral("Directories"), this), 2, 0);
    layout->addWidget(dirBox_, 3, 0);
    layout->addWidget(new QLabel(QStringLiteral("PNG Files"), this), 4, 0);
    layout->addWidget(lstFiles_, 5, 0);
    layout->addWidget(framPreview, 0, 1, 6, 2);
    layout->addWidget(cmdLoad_, 6, 1);
    layout->addWidget(cmdCancel_, 6, 2);

    connect(drvBox_, &QComboBox::activated, this, &ImageBrowser::DriveChosen);
    // A folder opens when chosen (a double click, or Enter), as in every file dialog: the list is
    // rebuilt under the pointer, so a single click must not open it.
    connect(dirBox_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { FolderChosen(dirBox_->row(item)); });
    // The preview follows the selection, by mouse or by keys; a click on the file already selected
    // previews it when it has not been (the preview was off when it was selected).
    connect(lstFiles_, &QListWidget::currentRowChanged, this, &ImageBrowser::FileChosen);
    connect(lstFiles_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { FileChosen(lstFiles_->row(item)); });
    connect(lstFiles_, &QListWidget::itemActivated, this, &ImageBrowser::LoadChosen);
    // Enter on a list does what that list does and no more: the Load button never acts on it as well.
    KeepEnterKey(drvBox_);
    KeepEnterKey(dirBox_, [this] { FolderChosen(dirBox_->currentRow()); });
    KeepEnterKey(lstFiles_, [this] { LoadChosen(); });
    connect(chkPreview_, &QCheckBox::toggled, this, [this](bool show) { model_.SetShowPreview(show); });
    connect(cmdLoad_, &QPushButton::clicked, this, &ImageBrowser::LoadChosen);
    connect(cmdCancel_, &QPushButton::clicked, this, &ImageBrowser::reject);
}

void ImageBrowser::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!firstPaint_) return;
    firstPaint_ = false;
    // Once the window is up, so that a message about the first file shows over it.
    QTimer::singleShot(0, this, [this] {
        cmdLoad_->setEnabled(false);
        cmdCancel_->setEnabled(false);
        {
            const BusyPointer busy;
            model_.Start();
        }
        ShowModel();
    });
}

void ImageBrowser::DriveChosen(int index) {
    if (!model_.ChooseDrive(drvBox_->itemText(index))) {
        reject();
        return;
    }
    ShowModel();
}

void ImageBrowser::FolderChosen(int row) {
    if (showing_ || row < 0) return;
    const BusyPointer busy;
    model_.OpenFolder(model_.Folders()[row].Path);
    ShowModel();
}

void ImageBrowser::FileChosen(int row) {
    if (showing_ || row < 0) return;
    cmdLoad_->setEnabled(false);
    cmdCancel_->setEnabled(false);
    {
        const BusyPointer busy;
        model_.ClickFile(row);
    }
    ShowModel();
}

void ImageBrowser::LoadChosen() {
    if (!model_.CanLoad()) return;
    model_.Load();
    accept();
}

void ImageBrowser::reject() {
    model_.Cancel();
    QDialog::reject();
}

void ImageBrowser::ShowModel() {
    showing_ = true;
    drvBox_->clear();
    drvBox_->addItems(model_.Drives());
    drvBox_->setCurrentIndex(int(model_.Drives().indexOf(model_.Drive())));

    dirBox_->clear();
    for (const FolderEntry& folder : model_.Folders()) {
        const QStyle::StandardPixmap icon =
            folder.Current || folder.Depth == 0 ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon;
        auto* item = new QListWidgetItem(style()->standardIcon(icon),
                                         QString(2 * folder.Depth, QLatin1Char(' ')) + folder.Name, dirBox_);
        if (folder.Current) dirBox_->setCurrentItem(item);
    }

    // A folder of a thousand files is listed once, not again for every click.
    if (shownFiles_ != model_.Files()) {
        shownFiles_ = model_.Files();
        lstFiles_->clear();
        lstFiles_->addItems(shownFiles_);
    }
    lstFiles_->setCurrentRow(model_.SelectedFile());
    showing_ = false;

    ShowPreview();
    cmdLoad_->setEnabled(model_.CanLoad());
    cmdCancel_->setEnabled(true);
}

void ImageBrowser::ShowPreview() {
    const std::optional<ImagePreview>& preview = model_.Preview();
    if (!preview) {
        img_->clear();
        for (QLabel* label : {lblRes_, lblFileSize_, lblModified_}) label->clear();
        return;
    }
    img_->setPixmap(CopyOfBitmap(preview->Bitmap, preview->Shown));
    lblRes_->setText(preview->Resolution);
    lblFileSize_->setText(preview->FileSize);
    lblModified_->setText(preview->Modified);
}

QString ShowImageBrowser(QWidget* parent, FileLocations& locations, ImageFileMemory& memory,
                         const WindowPositions& positions) {
    ImageBrowser browser(locations, memory, positions, parent);
    return browser.exec() == QDialog::Accepted ? browser.SelectedImageFile() : kCancelled;
}

}  // namespace zenphra::app
