#include "app/shell/tutorial_window.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

#include "app/shell/about_box.h"
#include "app/common/messages.h"
#include "app/shell/window_position.h"

namespace zenphra::app {
namespace {

constexpr int kShownLines = 30;

QPushButton* Button(const char* name, const char* caption, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TutorialWindow::TutorialWindow(const QStringList& entries, const WindowPositions& positions, QWidget* owner)
    : QWidget(owner, Qt::Window), lstTutor_(new QListWidget(this)), positions_(positions) {
    setObjectName(QStringLiteral("frmTutorial"));
    setWindowTitle(kProgramTitle + QStringLiteral(" Tutorial"));
    setAttribute(Qt::WA_DeleteOnClose);

    lstTutor_->setObjectName(QStringLiteral("lstTutor"));
    // A fixed-pitch font keeps the columns of the text's tables lined up.
    lstTutor_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    lstTutor_->setSelectionMode(QAbstractItemView::NoSelection);
    lstTutor_->setUniformItemSizes(true);
    lstTutor_->addItems(entries);
    // Wide enough for the longest line, unless that is wider than the screen.
    const int widest = lstTutor_->sizeHintForColumn(0) + 2 * lstTutor_->frameWidth() +
                       lstTutor_->verticalScrollBar()->sizeHint().width();
    const int screenWidth = QGuiApplication::primaryScreen()->availableGeometry().width();
    lstTutor_->setFixedSize(std::clamp(widest, 480, screenWidth * 9 / 10),
                            kShownLines * lstTutor_->fontMetrics().lineSpacing());

    auto* picture = new QLabel(this);
    picture->setPixmap(QPixmap(QStringLiteral(":/pictures/lambda_rings.png")).scaledToHeight(48));
    auto* name = new QLabel(QStringLiteral("Quorvex-Talmy   Fractals Lite"), this);
    QFont nameFont = name->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.6);
    nameFont.setBold(true);
    name->setFont(nameFont);

    QPushButton* cmdOrder = Button("cmdOrder", "&Order QVF", this);
    QPushButton* cmdAbout = Button("cmdAbout", "&About", this);
    QPushButton* cmdHide = Button("cmdHide", "&Hide", this);
    QPushButton* cmdDone = Button("cmdDone", "&Done", this);
    connect(cmdOrder, &QPushButton::clicked, this, &TutorialWindow::Order);
    connect(cmdAbout, &QPushButton::clicked, this, [this] { ShowAbout(positions_, this); });
    connect(cmdHide, &QPushButton::clicked, this, &QWidget::hide);
    connect(cmdDone, &QPushButton::clicked, this, &QWidget::close);
    // Escape puts the window away as Hide does, keeping its place in the text.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::hide);

    auto* heading = new QHBoxLayout;
    heading->addWidget(picture);
    heading->addWidget(name);
    heading->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdOrder);
    buttons->addWidget(cmdAbout);
    buttons->addStretch(1);
    buttons->addWidget(cmdHide);
    buttons->addWidget(cmdDone);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(heading);
    layout->addWidget(lstTutor_);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
    KeepWindowPosition(this, positions, RestoreWhen::kEveryShow);
}

void TutorialWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous()) emit Hidden();
}

void TutorialWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit Closing();
}

void TutorialWindow::Order() {
    if (orderGuard_.Pass()) OpenOrderingPage();
}

}  // namespace zenphra::app
