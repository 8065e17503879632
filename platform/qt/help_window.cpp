#include "platform/qt/help_window.h"

#include "platform/qt/application_title.h"
#include "platform/qt/help_window_accessible.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextBrowser>
#include <QUrl>

namespace kalvex {
namespace {

const QString kHelpRoot = QStringLiteral("qrc:/help/");
const QString kContentsPage = QStringLiteral("contents.html");

} // namespace

HelpWindow::HelpWindow(HelpIndex index, QWidget* parent)
    : QWidget(parent, Qt::Window), m_index(std::move(index))
{
    InstallHelpWindowAccessibility();
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(ApplicationTitle() + QStringLiteral(" Help"));
    resize(760, 520);

    m_topicList = new QListWidget;
    m_topicList->setObjectName(QStringLiteral("topicList"));
    m_topicList->setAccessibleName(QStringLiteral("Help topics"));
    for (const HelpIndex::Topic& topic : m_index.Contents()) {
        auto* item = new QListWidgetItem(topic.title, m_topicList);
        item->setData(Qt::UserRole, topic.page);
    }
    // Made inside the window, so assistive tools meet it as the help window's page from the start.
    m_pageView = new QTextBrowser(this);
    m_pageView->setObjectName(QStringLiteral("pageView"));
    m_pageView->setAccessibleName(QStringLiteral("Help page"));
    m_pageView->setOpenExternalLinks(true);

    auto* splitter = new QSplitter;
    splitter->addWidget(m_topicList);
    splitter->addWidget(m_pageView);
    splitter->setStretchFactor(1, 3);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    // The list follows the page, whether it was chosen there or reached by a link; the page
    // follows the topic selected in the list, so the arrow keys read as they move.
    connect(m_pageView, &QTextBrowser::sourceChanged, this, &HelpWindow::SelectTopicOfPage);
    const auto showTopic = [this](QListWidgetItem* item) { ShowPage(item->data(Qt::UserRole).toString()); };
    connect(m_topicList, &QListWidget::itemSelectionChanged, this, [this, showTopic] {
        if (const QList<QListWidgetItem*> selected = m_topicList->selectedItems(); !selected.isEmpty())
            showTopic(selected.first());
    });
    connect(m_topicList, &QListWidget::itemActivated, this, showTopic);
    connect(m_topicList, &QListWidget::itemClicked, this, showTopic);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &QWidget::close);
}

void HelpWindow::ShowTopic(int contextId)
{
    const HelpIndex::Topic* topic = m_index.Find(contextId);
    ShowPage(topic ? topic->page : kContentsPage);
}

void HelpWindow::ShowContents()
{
    ShowPage(kContentsPage);
    m_topicList->setFocus();
}

void HelpWindow::ShowPage(const QString& page)
{
    m_pageView->setSource(QUrl(kHelpRoot + page));
}

void HelpWindow::SelectTopicOfPage(const QUrl& source)
{
    // The browser's own source is not yet the new page while it reports the change.
    const QString file = source.toString().remove(kHelpRoot).section(u'#', 0, 0);
    // Selecting the topic here must not show it again: that would drop the page's anchor.
    const QSignalBlocker quiet(m_topicList);
    for (int row = 0; row < m_topicList->count(); ++row) {
        if (m_topicList->item(row)->data(Qt::UserRole).toString() == file) {
            m_topicList->setCurrentRow(row);
            return;
        }
    }
    // A page without a topic of its own leaves no other topic claiming to be shown.
    m_topicList->clearSelection();
}

QString HelpWindow::CurrentPage() const
{
    QString page = m_pageView->source().toString();
    if (page.startsWith(kHelpRoot))
        page.remove(0, kHelpRoot.size());
    return page;
}

} // namespace kalvex
