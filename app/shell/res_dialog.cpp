#include "app/shell/res_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "app/common/valid_num.h"
#include "app/shell/filtered_field.h"
#include "app/shell/window_position.h"

namespace zenphra::app {
namespace {

QPushButton* AddButton(const char* name, const char* caption, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

ResolutionDialog::ResolutionDialog(const QString& customHres, const QString& customVres, QWidget* parent,
                                   const WindowPositions& positions)
    : QDialog(parent),
      txtHorRes_(new FilteredField(QStringLiteral("txtHorRes"), ValidIntKey, this)),
      txtVerRes_(new FilteredField(QStringLiteral("txtVerRes"), ValidIntKey, this)) {
    setObjectName(QStringLiteral("frmSetRes"));
    setWindowTitle(QStringLiteral("Set Image Resolution"));
    setModal(true);
    txtHorRes_->setText(customHres);
    txtVerRes_->setText(customVres);

    QPushButton* cmdApply = AddButton("cmdApply", "&Apply", this);
    QPushButton* cmdCancel = AddButton("cmdCancel", "&Cancel", this);
    connect(cmdApply, &QPushButton::clicked, this, &ResolutionDialog::Apply);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Horizontal :"), this), 0, 0);
    layout->addWidget(txtHorRes_, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Vertical :"), this), 1, 0);
    layout->addWidget(txtVerRes_, 1, 1);
    layout->addWidget(cmdApply, 2, 0);
    layout->addWidget(cmdCancel, 2, 1);
    setFixedSize(sizeHint());
    KeepWindowPosition(this, positions, RestoreWhen::kEveryShow);
}

void ResolutionDialog::Apply() {
    chosen_ = ReadCustomResolution(txtHorRes_->text(), txtVerRes_->text());
    if (chosen_) accept();
}

}  // namespace zenphra::app
