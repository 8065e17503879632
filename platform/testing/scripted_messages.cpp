#include "platform/testing/scripted_messages.h"

namespace kalvex::testing {

MessageAnswer ScriptedMessages::Show(const MessageRequest& request)
{
    shown.push_back(request);
    if (!answers.empty()) {
        MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    switch (request.buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
        ++unexpected;
        return MessageAnswer::Cancel;
    case MessageButtons::YesNo:
        ++unexpected;
        return MessageAnswer::No;
    case MessageButtons::DiscardKeepEditing:
        ++unexpected;
        return MessageAnswer::KeepEditing;
    }
    return MessageAnswer::Cancel;
}

} // namespace kalvex::testing
