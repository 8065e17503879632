#pragma once

#include "platform/qt/help_index.h"

#include <QWidget>

class QListWidget;
class QUrl;
class QTextBrowser;

namespace kalvex {

// The help viewer: the list of topics beside the page being read. Pages are HTML in the
// program's resources under ":/help"; links between them work like a browser's.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(HelpIndex index, QWidget* parent = nullptr);

    // Shows the page of a context number; a number without a page shows the contents page.
    void ShowTopic(int contextId);
    void ShowContents();
    void ShowPage(const QString& page);
    QString CurrentPage() const;

private:
    void SelectTopicOfPage(const QUrl& source);

    HelpIndex m_index;
    QListWidget* m_topicList = nullptr;
    QTextBrowser* m_pageView = nullptr;
};

} // namespace kalvex
