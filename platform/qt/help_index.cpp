#include "platform/qt/help_index.h"

#include <QFile>
#include <QRegularExpression>

namespace kalvex {

HelpIndex HelpIndex::Parse(const QString& text)
{
    static const QRegularExpression line(QStringLiteral(R"(^\s*(\d+)(?:-(\d+))?\s+(\S+)\s+(.+?)\s*$)"));
    HelpIndex index;
    for (const QString& raw : text.split(u'\n')) {
        if (raw.trimmed().isEmpty() || raw.trimmed().startsWith(u'#'))
            continue;
        const QRegularExpressionMatch match = line.match(raw);
        if (!match.hasMatch())
            continue;
        Topic topic;
        topic.first = match.captured(1).toInt();
        topic.last = match.captured(2).isEmpty() ? topic.first : match.captured(2).toInt();
        topic.page = match.captured(3);
        topic.title = match.captured(4);
        if (topic.last >= topic.first)
            index.m_topics.push_back(topic);
    }
    return index;
}

HelpIndex HelpIndex::LoadFrom(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return Parse(QString::fromUtf8(file.readAll()));
}

const HelpIndex::Topic* HelpIndex::Find(int contextId) const
{
    for (const Topic& topic : m_topics) {
        if (contextId >= topic.first && contextId <= topic.last)
            return &topic;
    }
    return nullptr;
}

std::vector<HelpIndex::Topic> HelpIndex::Contents() const
{
    std::vector<Topic> pages;
    QStringList seen;
    for (const Topic& topic : m_topics) {
        const QString page = topic.page.section(u'#', 0, 0);
        if (seen.contains(page))
            continue;
        seen.append(page);
        Topic entry = topic;
        entry.page = page;
        pages.push_back(entry);
    }
    return pages;
}

} // namespace kalvex
