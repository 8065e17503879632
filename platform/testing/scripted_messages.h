#pragma once

#include "platform/message_service.h"

#include <deque>
#include <vector>

namespace kalvex::testing {

// Answers message boxes from a script and records every box and beep.
// A box with only an OK button needs no scripted answer. A question with no answer left
// is recorded as unexpected and answered Cancel (or No where there is no Cancel).
class ScriptedMessages final : public IMessageService {
public:
    MessageAnswer Show(const MessageRequest& request) override;
    void Beep(MessageIcon kind) override { beeps.push_back(kind); }

    void Answer(MessageAnswer answer) { answers.push_back(answer); }
    const MessageRequest* Last() const { return shown.empty() ? nullptr : &shown.back(); }

    std::deque<MessageAnswer> answers;
    std::vector<MessageRequest> shown;
    std::vector<MessageIcon> beeps;
    int unexpected = 0;
};

} // namespace kalvex::testing
