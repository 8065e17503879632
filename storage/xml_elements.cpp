#include "storage/xml_elements.h"

#include <algorithm>
#include <cstddef>
#include <unordered_set>

namespace kalvex {
namespace {

// Deeper nesting than any document this reader is meant for means something is wrong.
constexpr std::size_t kMaxDepth = 64;

bool IsNameStart(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' ||
           static_cast<unsigned char>(c) >= 0x80;
}

bool IsNameChar(char c)
{
    return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

class Reader {
public:
    explicit Reader(std::string_view text) : m_text(text)
    {
        // A UTF-8 byte order mark may precede the document.
        if (m_text.starts_with("\xEF\xBB\xBF"))
            m_pos = 3;
    }

    XmlReadResult Read()
    {
        XmlReadResult result;
        if (!ReadDocument())
            result.error = m_error + " (line " + std::to_string(Line()) + ")";
        else
            result.elements = std::move(m_elements);
        return result;
    }

private:
    bool ReadDocument()
    {
        bool rootSeen = false;
        while (m_pos < m_text.size()) {
            if (m_text[m_pos] != '<') {
                if (!ReadText())
                    return false;
                continue;
            }
            if (StartsWith("<?")) {
                if (!SkipPast("?>", "unterminated processing instruction"))
                    return false;
            } else if (StartsWith("<!--")) {
                if (!SkipPast("-->", "unterminated comment"))
                    return false;
            } else if (StartsWith("<!")) {
                return Fail("declarations are not accepted");
            } else if (StartsWith("</")) {
                if (!ReadEndTag())
                    return false;
            } else {
                if (m_open.empty() && rootSeen)
                    return Fail("more than one root element");
                rootSeen = true;
                if (!ReadStartTag())
                    return false;
            }
        }
        if (!m_open.empty())
            return Fail("element '" + m_elements[std::size_t(m_open.back())].name + "' is not closed");
        if (!rootSeen)
            return Fail("no root element");
        return true;
    }

    bool ReadText()
    {
        const std::size_t end = std::min(m_text.find('<', m_pos), m_text.size());
        const std::string_view text = m_text.substr(m_pos, end - m_pos);
        if (m_open.empty() && !std::all_of(text.begin(), text.end(), IsSpace))
            return Fail("text outside the root element");
        m_pos = end;
        return true;
    }

    bool ReadStartTag()
    {
        ++m_pos; // '<'
        XmlElement element;
        if (!ReadName(element.name))
            return false;
        element.parent = m_open.empty() ? -1 : m_open.back();
        // Names as written in the document: a set keeps the repeat check linear in the tag.
        std::unordered_set<std::string_view> attributeNames;
        for (;;) {
            const bool spaced = SkipSpace();
            if (m_pos >= m_text.size())
                return Fail("unterminated tag '" + element.name + "'");
            if (StartsWith("/>")) {
                m_pos += 2;
                m_elements.push_back(std::move(element));
                return true;
            }
            if (m_text[m_pos] == '>') {
                ++m_pos;
                if (m_open.size() >= kMaxDepth)
                    return Fail("elements nested too deeply");
                m_open.push_back(int(m_elements.size()));
                m_elements.push_back(std::move(element));
                return true;
            }
            if (!spaced)
                return Fail("missing space before an attribute of '" + element.name + "'");
            const std::size_t nameStart = m_pos;
            std::string name;
            std::string value;
            if (!ReadAttribute(name, value))
                return false;
            if (!attributeNames.insert(m_text.substr(nameStart, name.size())).second)
                return Fail("attribute '" + name + "' repeated");
            element.attributes.emplace_back(std::move(name), std::move(value));
        }
    }

    bool ReadEndTag()
    {
        m_pos += 2; // "</"
        std::string name;
        if (!ReadName(name))
            return false;
        SkipSpace();
        if (m_pos >= m_text.size() || m_text[m_pos] != '>')
            return Fail("unterminated end tag '" + name + "'");
        ++m_pos;
        if (m_open.empty())
            return Fail("end tag '" + name + "' without a start tag");
        const std::string& open = m_elements[std::size_t(m_open.back())].name;
        if (open != name)
            return Fail("end tag '" + name + "' does not match '" + open + "'");
        m_open.pop_back();
        return true;
    }

    bool ReadAttribute(std::string& name, std::string& value)
    {
        if (!ReadName(name))
            return false;
        SkipSpace();
        if (m_pos >= m_text.size() || m_text[m_pos] != '=')
            return Fail("attribute '" + name + "' has no value");
        ++m_pos;
        SkipSpace();
        if (m_pos >= m_text.size() || (m_text[m_pos] != '"' && m_text[m_pos] != '\''))
            return Fail("value of attribute '" + name + "' is not quoted");
        const char quote = m_text[m_pos++];
        const std::size_t end = m_text.find(quote, m_pos);
        if (end == std::string_view::npos)
            return Fail("value of attribute '" + name + "' is not closed");
        const std::string_view raw = m_text.substr(m_pos, end - m_pos);
        m_pos = end + 1;
        if (raw.find('<') != std::string_view::npos)
            return Fail("'<' in the value of attribute '" + name + "'");
        return Decode(raw, value);
    }

    bool Decode(std::string_view raw, std::string& value)
    {
        static const std::pair<std::string_view, char> kEntities[] = {
            {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
        value.clear();
        for (std::size_t i = 0; i < raw.size();) {
            if (raw[i] != '&') {
                value += raw[i++];
                continue;
            }
            const auto known =
                std::find_if(std::begin(kEntities), std::end(kEntities),
                             [&](const auto& entity) { return raw.substr(i).starts_with(entity.first); });
            if (known == std::end(kEntities))
                return Fail("unknown entity in an attribute value");
            value += known->second;
            i += known->first.size();
        }
        return true;
    }

    bool ReadName(std::string& name)
    {
        const std::size_t start = m_pos;
        if (m_pos >= m_text.size() || !IsNameStart(m_text[m_pos]))
            return Fail("a name is expected");
        while (m_pos < m_text.size() && IsNameChar(m_text[m_pos]))
            ++m_pos;
        name.assign(m_text.substr(start, m_pos - start));
        return true;
    }

    bool SkipSpace()
    {
        const std::size_t start = m_pos;
        while (m_pos < m_text.size() && IsSpace(m_text[m_pos]))
            ++m_pos;
        return m_pos > start;
    }

    bool SkipPast(std::string_view terminator, const char* error)
    {
        const std::size_t end = m_text.find(terminator, m_pos);
        if (end == std::string_view::npos)
            return Fail(error);
        m_pos = end + terminator.size();
        return true;
    }

    bool StartsWith(std::string_view prefix) const { return m_text.substr(m_pos).starts_with(prefix); }

    int Line() const
    {
        const std::size_t upTo = std::min(m_pos, m_text.size());
        return 1 + int(std::count(m_text.begin(), m_text.begin() + std::ptrdiff_t(upTo), '\n'));
    }

    bool Fail(std::string error)
    {
        m_error = std::move(error);
        return false;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    std::vector<XmlElement> m_elements;
    std::vector<int> m_open;
    std::string m_error;
};

} // namespace

const std::string* XmlElement::Attribute(std::string_view attributeName) const
{
    for (const auto& [name, value] : attributes) {
        if (name == attributeName)
            return &value;
    }
    return nullptr;
}

XmlReadResult ReadXmlElements(std::string_view document)
{
    return Reader(document).Read();
}

} // namespace kalvex
