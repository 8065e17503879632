#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace kalvex {

// Which help page shows which context number. Read from a text table, one topic a line:
// "<first>[-<last>] <page>[#anchor] <title>"; blank lines and lines starting with "#" are skipped.
class HelpIndex {
public:
    struct Topic {
        int first = 0;
        int last = 0;
        QString page; // relative to the help folder, may end with "#anchor"
        QString title;
    };

    static HelpIndex Parse(const QString& text);
    static HelpIndex LoadFrom(const QString& fileName);

    // The topic for a context number, or null when the program has no page for it.
    const Topic* Find(int contextId) const;
    // One entry per page (anchors removed), in the order of the table: the topics list.
    std::vector<Topic> Contents() const;
    bool IsEmpty() const { return m_topics.empty(); }

private:
    std::vector<Topic> m_topics;
};

} // namespace kalvex
