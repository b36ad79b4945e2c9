#include "app/common/messages.h"

#include <cstdio>
#include <utility>

namespace zenphra::app {
namespace {

MessageAnswer PrintMessage(const Message& message) {
    QString text = message.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    std::fprintf(stderr, "%s: %s\n", qPrintable(message.title), qPrintable(text));
    return message.buttons == MessageButtons::kYesNo ? MessageAnswer::kNo : MessageAnswer::kOk;
}

MessagePresenter& Presenter() {
    static MessagePresenter presenter = PrintMessage;
    return presenter;
}

}  // namespace

MessageAnswer ShowMessage(const QString& text, MessageIcon icon, const QString& title,
                          MessageButtons buttons) {
    return Presenter()(Message{text, title, icon, buttons});
}

MessagePresenter SetMessagePresenter(MessagePresenter presenter) {
    MessagePresenter previous = std::move(Presenter());
    Presenter() = presenter ? std::move(presenter) : MessagePresenter(PrintMessage);
    return previous;
}

}  // namespace zenphra::app
