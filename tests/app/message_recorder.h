// A message presenter for tests: records every message while it lives instead of showing it.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "app/common/messages.h"

namespace zenphra::app {

// Questions are answered No unless the test says otherwise, other messages OK.
class MessageRecorder {
  public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    void AnswerQuestionsWith(MessageAnswer answer) { questionAnswer_ = answer; }

    const QList<Message>& messages() const { return messages_; }
    QStringList texts() const;
    QString lastText() const { return messages_.isEmpty() ? QString() : messages_.last().text; }

  private:
    MessagePresenter previous_;
    QList<Message> messages_;
    MessageAnswer questionAnswer_ = MessageAnswer::kNo;
};

}  // namespace zenphra::app
