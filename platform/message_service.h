#pragma once

#include <string>

namespace kalvex {

enum class MessageIcon { None, Information, Warning, Question, Stop };
// DiscardKeepEditing asks whether to drop unsaved edits: Keep Editing is the default and Escape.
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, DiscardKeepEditing };
enum class MessageAnswer { Ok, Cancel, Yes, No, Discard, KeepEditing };

struct MessageRequest {
    std::string text;    // UTF-8; "\n" breaks lines
    std::string caption; // empty: the application title
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
};

// Modal message boxes and beeps. Callers sound the beep themselves where one precedes a box.
class IMessageService {
public:
    virtual ~IMessageService() = default;
    virtual MessageAnswer Show(const MessageRequest& request) = 0;
    virtual void Beep(MessageIcon kind) = 0;
};

} // namespace kalvex
