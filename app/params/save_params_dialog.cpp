#include "app/params/save_params_dialog.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "app/shell/enter_key.h"
#include "app/shell/window_position.h"

namespace zenphra::app {
namespace {

constexpr int kTextChars = 56;
constexpr int kListWidth = 220;

template <typename Control>
Control* Named(Control* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// Enter in a text box moves on to the next control, as Tab does, and is not typed.
class EnterMovesOn : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(watched, &tab);
        return true;
    }
};

}  // namespace

SaveParamsDialog::SaveParamsDialog(const SaveParamsModel& model, const QString& proposedName,
                                   const FractalParams& params, const PaletteArrays& palette,
                                   const WindowPositions& positions, QWidget* parent)
    : QDialog(parent),
      model_(model),
      params_(params),
      palette_(palette),
      txtEntry_(Named(new QLineEdit(proposedName, this), "txtEntry")),
      txtAuthor_(Named(new QLineEdit(this), "txtAuthor")),
      txtComm1_(Named(new QLineEdit(this), "txtComm1")),
      txtComm2_(Named(new QLineEdit(this), "txtComm2")),
      txtComm3_(Named(new QLineEdit(this), "txtComm3")),
      lstEntries_(Named(new QListWidget(this), "lstEntries")) {
    setObjectName(QStringLiteral("frmSavePars"));
    // The blanks centre the caption in the title bar.
    setWindowTitle(QString(52, QLatin1Char(' ')) + QStringLiteral("Parameter File Entry Information"));
    setModal(true);

    auto* Frame2 = Named(new QGroupBox(QStringLiteral("Required Information"), this), "Frame2");
    auto* required = new QGridLayout(Frame2);
    required->addWidget(new QLabel(QStringLiteral("Entry Name :"), Frame2), 0, 0);
    required->addWidget(txtEntry_, 0, 1);

    auto* Frame1 = Named(new QGroupBox(QStringLiteral("Optional Information"), this), "Frame1");
    auto* optional = new QGridLayout(Frame1);
    const std::pair<const char*, QLineEdit*> rows[] = {{"Author :", txtAuthor_},
                                                       {"Comment 1 :", txtComm1_},
                                                       {"Comment 2 :", txtComm2_},
                                                       {"Comment 3 :", txtComm3_}};
    for (int row = 0; row < 4; ++row) {
        optional->addWidget(new QLabel(QString::fromLatin1(rows[row].first), Frame1), row, 0);
        optional->addWidget(rows[row].second, row, 1);
    }
    auto* enterMovesOn = new EnterMovesOn(this);
    for (QLineEdit* text : {txtEntry_, txtAuthor_, txtComm1_, txtComm2_, txtComm3_}) {
        text->setFixedWidth(text->fontMetrics().averageCharWidth() * kTextChars);
        text->installEventFilter(enterMovesOn);
    }
    // Both frames line their labels up alike.
    const int labelWidth = Frame1->fontMetrics().horizontalAdvance(QStringLiteral("Comment 3 :"));
    required->setColumnMinimumWidth(0, labelWidth);
    optional->setColumnMinimumWidth(0, labelWidth);

    for (const EntryName& entry : model.Entries()) lstEntries_->addItem(entry.name);
    lstEntries_->setFixedWidth(kListWidth);
    connect(lstEntries_, &QListWidget::itemDoubleClicked, this,
            [this](const QListWidgetItem* item) { txtEntry_->setText(item->text()); });
    // Enter on a name copies it as a double click does, and no more.
    KeepEnterKey(lstEntries_, [this] {
        if (const QListWidgetItem* item = lstEntries_->currentItem()) txtEntry_->setText(item->text());
    });

    auto* cmdOK = Named(new QPushButton(QStringLiteral("&OK"), this), "cmdOK");
    auto* cmdCancel = Named(new QPushButton(QStringLiteral("&Cancel"), this), "cmdCancel");
    for (QPushButton* button : {cmdOK, cmdCancel}) button->setAutoDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, &SaveParamsDialog::Save);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    buttons->addStretch();

    // The frames on the left, the names already in the file beside them, the buttons below.
    auto* frames = new QVBoxLayout;
    frames->addWidget(Frame2);
    frames->addWidget(Frame1);
    auto* names = new QVBoxLayout;
    names->addWidget(new QLabel(QStringLiteral("Existing Entry Names"), this));
    names->addWidget(lstEntries_);
    auto* layout = new QGridLayout(this);
    layout->addLayout(frames, 0, 0);
    layout->addLayout(names, 0, 1);
    layout->addLayout(buttons, 1, 0, 1, 2);
    setFixedSize(sizeHint());
    KeepWindowPosition(this, positions, RestoreWhen::kEveryShow);
}

void SaveParamsDialog::Save() {
    const EntryText typed{txtEntry_->text(), txtAuthor_->text(), txtComm1_->text(), txtComm2_->text(),
                          txtComm3_->text()};
    if (model_.Save(typed, params_, palette_)) accept();
}

}  // namespace zenphra::app
