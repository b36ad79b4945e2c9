#include "app/params/load_params_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "app/shell/window_position.h"

namespace zenphra::app {
namespace {

constexpr int kListWidth = 220;
// The stored lines are shown whole: a label and a comment of some sixty characters.
constexpr int kTextChars = 76;

template <typename Control>
Control* Named(Control* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

}  // namespace

LoadParamsDialog::LoadParamsDialog(const LoadParamsModel& model, int remembered, const EntryValues& current,
                                   const WindowPositions& positions, QWidget* parent)
    : QDialog(parent),
      model_(model),
      current_(current),
      lstEntries_(Named(new QListWidget(this), "lstEntries")),
      txtAuthor_(Named(new QLineEdit(this), "txtAuthor")),
      txtComm1_(Named(new QLineEdit(this), "txtComm1")),
      txtComm2_(Named(new QLineEdit(this), "txtComm2")),
      txtComm3_(Named(new QLineEdit(this), "txtComm3")) {
    setObjectName(QStringLiteral("frmLoadParms"));
    // The blanks centre the caption in the title bar.
    setWindowTitle(QString(61, QLatin1Char(' ')) + QStringLiteral("Load Parameter Entry"));
    setModal(true);

    auto* framInfo = Named(new QGroupBox(QStringLiteral("Author Info and Comments"), this), "framInfo");
    auto* info = new QVBoxLayout(framInfo);
    // The boxes show the stored lines; they are not edited here.
    for (QLineEdit* text : {txtAuthor_, txtComm1_, txtComm2_, txtComm3_}) {
        text->setReadOnly(true);
        text->setFixedWidth(text->fontMetrics().averageCharWidth() * kTextChars);
        info->addWidget(text);
    }
    info->addStretch();

    for (const EntryName& entry : model.Entries()) lstEntries_->addItem(entry.name);
    lstEntries_->setFixedWidth(kListWidth);
    connect(lstEntries_, &QListWidget::currentRowChanged, this, &LoadParamsDialog::ShowHeader);
    connect(lstEntries_, &QListWidget::itemDoubleClicked, this, &LoadParamsDialog::Load);

    auto* cmdLoad = Named(new QPushButton(QStringLiteral("&Load"), this), "cmdLoad");
    auto* cmdCancel = Named(new QPushButton(QStringLiteral("&Cancel"), this), "cmdCancel");
    cmdLoad->setDefault(true);
    cmdCancel->setAutoDefault(false);
    connect(cmdLoad, &QPushButton::clicked, this, &LoadParamsDialog::Load);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdLoad);
    buttons->addWidget(cmdCancel);

    auto* layout = new QGridLayout(this);
    layout->addWidget(
        new QLabel(QStringLiteral("Click on an entry name to see the Author Info and Comments."), this), 0, 0,
        1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Entry Names"), this), 1, 0);
    layout->addWidget(lstEntries_, 2, 0, 2, 1);
    layout->addWidget(framInfo, 2, 1);
    layout->addLayout(buttons, 3, 1, Qt::AlignBottom);
    setFixedSize(sizeHint());
    KeepWindowPosition(this, positions, RestoreWhen::kEveryShow);

    lstEntries_->setCurrentRow(model.FirstSelection(remembered));
}

void LoadParamsDialog::ShowHeader(int position) {
    if (position < 0) return;
    // Lines that cannot be read leave the boxes empty rather than showing another entry's.
    const EntryHeader header = model_.Header(position).value_or(EntryHeader());
    txtAuthor_->setText(header.author);
    txtComm1_->setText(header.comment1);
    txtComm2_->setText(header.comment2);
    txtComm3_->setText(header.comment3);
    for (QLineEdit* text : {txtAuthor_, txtComm1_, txtComm2_, txtComm3_}) text->setCursorPosition(0);
}

void LoadParamsDialog::Load() {
    const int position = lstEntries_->currentRow();
    if (position < 0) return;
    loaded_ = model_.Load(position, current_);
    if (!loaded_) {
        reject();
        return;
    }
    loadedPosition_ = position;
    accept();
}

}  // namespace zenphra::app
