#include "app/shell/about_box.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include "app/common/messages.h"
#include "app/shell/window_position.h"

namespace zenphra::app {
namespace {

// The version the build gives the program: its major and minor number.
const QString kVersionText =
    QStringLiteral("Version: %1.%2").arg(ZENPHRA_VERSION_MAJOR).arg(ZENPHRA_VERSION_MINOR);
const QString kNotice = QStringLiteral("Copyright \u00A9 2026 The Zenphra developers");
const QString kDescription = QStringLiteral(
    " This program is a smaller version of the popular Quorvex-Talmy Fractals program .  You can order a "
    "CD containing the full version and 730 images by connecting to the Internet and clicking on the "
    "link below.");

QLabel* Label(const QString& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

}  // namespace

AboutBox::AboutBox(const WindowPositions& positions, QWidget* parent)
    : QDialog(parent), txtLink_(new QLineEdit(kOrderingPage, this)) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About ") + kProgramTitle);
    setModal(true);

    QLabel* picture = Label(QString(), "picLogo", this);
    picture->setPixmap(QPixmap(QStringLiteral(":/pictures/lambda_rings.png")));
    QLabel* name = Label(QStringLiteral("Quorvex-Talmy Fractals"), "lblName", this);
    QFont nameFont = name->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.6);
    nameFont.setBold(true);
    name->setFont(nameFont);
    QLabel* lite = Label(QStringLiteral("Lite"), "lblLite", this);
    QFont liteFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    liteFont.setPointSizeF(nameFont.pointSizeF());
    liteFont.setBold(true);
    // The machine's fixed font may lack a bold face that keeps its pitch: then the first family that
    // does is taken, so that "Lite" stays in type of even width.
    if (!QFontInfo(liteFont).fixedPitch()) {
        for (const QString& family : QFontDatabase::families()) {
            if (!QFontDatabase::isFixedPitch(family)) continue;
            liteFont.setFamily(family);
            if (QFontInfo(liteFont).fixedPitch()) break;
        }
    }
    lite->setFont(liteFont);

    QLabel* description = Label(kDescription, "lblDescription", this);
    description->setWordWrap(true);

    txtLink_->setObjectName(QStringLiteral("txtLink"));
    txtLink_->setReadOnly(true);
    txtLink_->setCursor(Qt::PointingHandCursor);
    txtLink_->setToolTip(QStringLiteral("Opens the page in your web browser"));
    QFont linkFont = txtLink_->font();
    linkFont.setUnderline(true);
    txtLink_->setFont(linkFont);
    QPalette linkColors = txtLink_->palette();
    linkColors.setColor(QPalette::Text, linkColors.color(QPalette::Link));
    txtLink_->setPalette(linkColors);
    txtLink_->installEventFilter(this);

    auto* cmdOk = new QPushButton(QStringLiteral("&OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->setHorizontalSpacing(16);
    layout->addWidget(picture, 0, 0, 4, 1, Qt::AlignTop);
    auto* title = new QHBoxLayout;
    title->setSpacing(name->fontMetrics().averageCharWidth());
    title->addWidget(name);
    title->addWidget(lite, 0, Qt::AlignBaseline);
    title->addStretch(1);
    layout->addLayout(title, 0, 1);
    layout->addWidget(Label(kVersionText, "lblVersion", this), 1, 1);
    layout->addWidget(Label(kNotice, "lblNotice", this), 2, 1);
    layout->setRowMinimumHeight(3, 8);
    layout->addWidget(description, 4, 0, 1, 2);
    layout->addWidget(txtLink_, 5, 0, 1, 2);
    layout->addWidget(cmdOk, 6, 1, Qt::AlignRight);
    description->setFixedWidth(description->fontMetrics().averageCharWidth() * 70);
    setFixedSize(sizeHint());
    KeepWindowPosition(this, positions, RestoreWhen::kEveryShow);
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtLink_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && linkGuard_.Pass()) {
        OpenOrderingPage();
    }
    return QDialog::eventFilter(watched, event);
}

void ShowAbout(const WindowPositions& positions, QWidget* parent) {
    AboutBox box(positions, parent);
    box.exec();
}

}  // namespace zenphra::app
