#include "tests/app/message_recorder.h"

namespace zenphra::app {

MessageRecorder::MessageRecorder() {
    previous_ = SetMessagePresenter([this](const Message& message) {
        messages_.append(message);
        return message.buttons == MessageButtons::kYesNo ? questionAnswer_ : MessageAnswer::kOk;
    });
}

MessageRecorder::~MessageRecorder() { SetMessagePresenter(previous_); }

QStringList MessageRecorder::texts() const {
    QStringList texts;
    for (const Message& message : messages_) texts << message.text;
    return texts;
}

}  // namespace zenphra::app
