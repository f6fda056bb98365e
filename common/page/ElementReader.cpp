#include "ElementReader.h"

#include "PageDocument.h"
#include "ValueForms.h"

namespace page {

ElementReader::ElementReader(const PageDocument &doc, int xmlId) : m_element(doc.child(xmlId)) {}

bool ElementReader::has(const char *name) const {
    return !m_element.attribute(name).empty();
}

QString ElementReader::text(const char *name) const {
    return QString::fromUtf8(m_element.attribute(name).value());
}

int32_t ElementReader::integer(const char *name, int32_t fallback) const {
    return readInteger(text(name), fallback);
}

uint32_t ElementReader::colour(const char *name, uint32_t fallback) const {
    return readColour(text(name), fallback);
}

bool ElementReader::flagExactTrue(const char *name) const {
    return readFlagExactTrue(text(name));
}

bool ElementReader::flagTrueAnyCase(const char *name) const {
    return readFlagTrueAnyCase(text(name));
}

} // namespace page
