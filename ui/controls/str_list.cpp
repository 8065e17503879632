#include "ui/controls/str_list.h"

#include "core/byte_reader.h"
#include "core/byte_writer.h"

#include <string_view>

namespace kalvex {

QByteArray CStrList::Store() const
{
    ByteWriter writer;
    writer.WriteU32(std::uint32_t(m_strings.size()));
    for (const QString& text : m_strings)
        writer.WriteString(text.toStdString());
    const std::string& bytes = writer.Bytes();
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

bool CStrList::Load(QByteArrayView bytes)
{
    ByteReader reader(std::string_view(bytes.data(), std::size_t(bytes.size())));
    std::uint32_t count = 0;
    if (!reader.ReadU32(count))
        return false;
    QStringList loaded;
    for (std::uint32_t i = 0; i < count; ++i) {
        // Every string takes at least its one-byte length, so a damaged count fails here
        // long before it could make the list grow without bound.
        std::string text;
        if (!reader.ReadString(text))
            return false;
        loaded.append(QString::fromStdString(text));
    }
    m_strings.append(loaded);
    return true;
}

} // namespace kalvex
