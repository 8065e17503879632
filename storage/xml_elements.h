#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kalvex {

// One element of a small XML document: its name as written (prefix included), its
// attributes with the five predefined entities decoded, and the index of its parent.
struct XmlElement {
    std::string name;
    std::vector<std::pair<std::string, std::string>> attributes;
    int parent = -1; // -1 for the root element

    // The attribute's value, or nullptr when the element has no such attribute.
    const std::string* Attribute(std::string_view attributeName) const;
};

struct XmlReadResult {
    std::vector<XmlElement> elements; // in document order; empty when `error` is set
    std::string error;                // what is malformed and on which line
};

// Reads the element structure of a document, strictly: tags must nest and close, attribute
// values must be quoted, and document type declarations (and so entity definitions) are
// refused. Text content is checked for stray markup and otherwise ignored.
XmlReadResult ReadXmlElements(std::string_view document);

} // namespace kalvex
