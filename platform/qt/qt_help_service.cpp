#include "platform/qt/qt_help_service.h"

#include "platform/qt/help_window.h"
#include "platform/qt/screen_fit.h"

namespace kalvex {
namespace {

const QString kTopicTable = QStringLiteral(":/help/topics.txt");
const QString kUsingHelpPage = QStringLiteral("using_help.html");

} // namespace

QtHelpService::~QtHelpService()
{
    delete m_window;
}

HelpWindow& QtHelpService::OpenWindow()
{
    if (!m_window) {
        m_window = new HelpWindow(HelpIndex::LoadFrom(kTopicTable));
        m_window->setAttribute(Qt::WA_DeleteOnClose);
        FitWithinScreen(*m_window);
        CentreWithinScreen(*m_window);
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    return *m_window;
}

void QtHelpService::ShowTopic(int contextId)
{
    OpenWindow().ShowTopic(contextId);
}

void QtHelpService::ShowContents()
{
    OpenWindow().ShowContents();
}

void QtHelpService::ShowHelpOnHelp()
{
    OpenWindow().ShowPage(kUsingHelpPage);
}

void QtHelpService::Close()
{
    if (m_window)
        m_window->close();
}

} // namespace kalvex
