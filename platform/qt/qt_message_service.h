#pragma once

#include "platform/message_service.h"

namespace kalvex {

// Message boxes as QMessageBox, owned by the active window; beeps through the desktop.
class QtMessageService final : public IMessageService {
public:
    MessageAnswer Show(const MessageRequest& request) override;
    void Beep(MessageIcon kind) override;
};

} // namespace kalvex
