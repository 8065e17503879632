#pragma once

#include "platform/help_service.h"
#include "platform/qt/help_window.h"

#include <QPointer>

namespace kalvex {

// The program's help shown in its own help window, created on first use.
class QtHelpService final : public IHelpService {
public:
    ~QtHelpService() override;

    void ShowTopic(int contextId) override;
    void ShowContents() override;
    void ShowHelpOnHelp() override;
    // Closes the help window, as the main window does when it goes away.
    void Close();

    HelpWindow* Window() const { return m_window; }

private:
    HelpWindow& OpenWindow();
    QPointer<HelpWindow> m_window;
};

} // namespace kalvex
