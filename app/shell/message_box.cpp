#include "app/shell/message_box.h"

#include <QApplication>
#include <QMessageBox>

#include "app/common/messages.h"

namespace zenphra::app {
namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::kExclamation:
            return QMessageBox::Warning;
        case MessageIcon::kCritical:
            return QMessageBox::Critical;
        case MessageIcon::kQuestion:
            return QMessageBox::Question;
        case MessageIcon::kNone:
            break;
    }
    return QMessageBox::NoIcon;
}

MessageAnswer ShowMessageBox(const Message& message) {
    QString text = message.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const bool question = message.buttons == MessageButtons::kYesNo;
    QMessageBox box(BoxIcon(message.icon), message.title, text,
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    const int answer = box.exec();
    if (!question) return MessageAnswer::kOk;
    return answer == QMessageBox::Yes ? MessageAnswer::kYes : MessageAnswer::kNo;
}

}  // namespace

void InstallMessageBoxPresenter() { SetMessagePresenter(ShowMessageBox); }

}  // namespace zenphra::app
