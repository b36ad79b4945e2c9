// Every message the program shows goes through ShowMessage. The window installs a presenter that shows
// a message box, the command-line renderer one that prints, and tests one that records and answers.
#pragma once

#include <QString>
#include <functional>

namespace zenphra::app {

inline const QString kProgramTitle = QStringLiteral("Quorvex-Talmy Fractals Lite");

enum class MessageIcon { kNone, kExclamation, kCritical, kQuestion };
enum class MessageButtons { kOk, kYesNo };
enum class MessageAnswer { kOk, kYes, kNo };

struct Message {
    QString text;  // lines are separated by CR LF
    QString title;
    MessageIcon icon = MessageIcon::kExclamation;
    MessageButtons buttons = MessageButtons::kOk;
};

using MessagePresenter = std::function<MessageAnswer(const Message&)>;

MessageAnswer ShowMessage(const QString& text, MessageIcon icon = MessageIcon::kExclamation,
                          const QString& title = kProgramTitle, MessageButtons buttons = MessageButtons::kOk);

// Installs the routine that shows messages and returns the one it replaces. Without one, messages go to
// standard error and questions are answered No.
MessagePresenter SetMessagePresenter(MessagePresenter presenter);

}  // namespace zenphra::app
