// A message presenter for tests: records every message while it lives instead of showing it.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "app/common/messages.h"

namespace zenphra::app {

// Questions are answered No, other messages OK.
class MessageRecorder {
  public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const QList<Message>& messages() const { return messages_; }
    QStringList texts() const;
    QString lastText() const { return messages_.isEmpty() ? QString() : messages_.last().text; }

  private:
    MessagePresenter previous_;
    QList<Message> messages_;
};

}  // namespace zenphra::app
