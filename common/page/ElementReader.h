#pragma once

#include <QString>

#include <cstdint>

#include <pugixml.hpp>

namespace page {

class PageDocument;

// Reads the attributes of one element of a page in their value forms; an
// absent or unreadable value gives the default the caller names.
class ElementReader {
public:
    explicit ElementReader(pugi::xml_node element) : m_element(element) {}
    ElementReader(const PageDocument &doc, int xmlId);

    pugi::xml_node node() const { return m_element; }
    bool has(const char *name) const;
    // An absent attribute reads as empty text.
    QString text(const char *name) const;
    int32_t integer(const char *name, int32_t fallback) const;
    uint32_t colour(const char *name, uint32_t fallback) const;
    bool flagExactTrue(const char *name) const;
    bool flagTrueAnyCase(const char *name) const;

private:
    pugi::xml_node m_element;
};

} // namespace page
