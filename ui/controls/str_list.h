#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace kalvex {

// A list of strings that stores itself as the drag transfer file holds it: a 4-byte
// little-endian count, then each string length-prefixed in Windows-1252, head to tail.
class CStrList {
public:
    void AddTail(const QString& text) { m_strings.append(text); }
    void RemoveAll() { m_strings.clear(); }
    int GetCount() const { return int(m_strings.size()); }
    bool IsEmpty() const { return m_strings.isEmpty(); }
    const QString& At(int index) const { return m_strings.at(index); }
    bool Contains(const QString& text) const { return m_strings.contains(text); }

    auto begin() const { return m_strings.begin(); }
    auto end() const { return m_strings.end(); }

    QByteArray Store() const;
    // Appends the strings of a stored image to the tail; false (list unchanged) when the image
    // is damaged.
    bool Load(QByteArrayView bytes);

private:
    QStringList m_strings;
};

} // namespace kalvex
