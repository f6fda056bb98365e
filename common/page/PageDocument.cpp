#include "page/PageDocument.h"

#include <QDir>
#include <QFile>

#include <pugixml.hpp>

namespace page {

namespace {

// Attribute text is taken as stored: line breaks written raw inside an
// attribute stay line breaks instead of being normalised to blanks, so code
// in hand-edited pages keeps its lines.
constexpr unsigned parseOptions = pugi::parse_cdata | pugi::parse_escapes;

} // namespace

PageDocument::PageDocument() : m_doc(std::make_unique<pugi::xml_document>()) {}

PageDocument::~PageDocument() = default;

bool PageDocument::load(const QString &filePath) {
    const QString name = QDir::toNativeSeparators(filePath);
    QFile file(filePath);
    if (!file.exists()) {
        m_error = QStringLiteral("%1: file not found").arg(name);
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("%1: cannot be read: %2").arg(name, file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_error = QStringLiteral("%1: cannot be read: %2").arg(name, file.errorString());
        return false;
    }
    return parse(bytes, name);
}

bool PageDocument::loadFromText(const QString &xmlText, const QString &nameForMessages) {
    return parse(xmlText.toUtf8(), nameForMessages);
}

bool PageDocument::parse(const QByteArray &bytes, const QString &nameForMessages) {
    if (bytes.isEmpty()) {
        m_error = QStringLiteral("%1: the file is empty").arg(nameForMessages);
        return false;
    }
    // Parsed aside so that a bad file leaves the page being shown intact.
    auto parsed = std::make_unique<pugi::xml_document>();
    const pugi::xml_parse_result result =
        parsed->load_buffer(bytes.constData(), size_t(bytes.size()), parseOptions);
    if (result.status == pugi::status_no_document_element) {
        m_error = QStringLiteral("%1: no root element").arg(nameForMessages);
        return false;
    }
    if (!result) {
        m_error = QStringLiteral("%1: %2 at offset %3")
                      .arg(nameForMessages, QString::fromUtf8(result.description()))
                      .arg(qlonglong(result.offset));
        return false;
    }
    m_doc = std::move(parsed);
    m_error.clear();
    return true;
}

void PageDocument::clear() {
    m_doc = std::make_unique<pugi::xml_document>();
}

bool PageDocument::hasRoot() const {
    return bool(m_doc->document_element());
}

int PageDocument::childCount() const {
    int count = 0;
    for (pugi::xml_node node = m_doc->document_element().first_child(); node;
         node = node.next_sibling()) {
        if (node.type() == pugi::node_element)
            ++count;
    }
    return count;
}

QString PageDocument::elementName(int xmlId) const {
    return QString::fromUtf8(child(xmlId).name());
}

bool PageDocument::hasAttribute(int xmlId, const char *attrName) const {
    return bool(child(xmlId).attribute(attrName));
}

QString PageDocument::value(int xmlId, const char *attrName) const {
    return QString::fromUtf8(child(xmlId).attribute(attrName).value());
}

pugi::xml_node PageDocument::child(int xmlId) const {
    if (xmlId < 0)
        return {};
    // Only elements count as children: comments, instructions and stray text
    // between them carry no id.
    int index = 0;
    for (pugi::xml_node node = m_doc->document_element().first_child(); node;
         node = node.next_sibling()) {
        if (node.type() != pugi::node_element)
            continue;
        if (index == xmlId)
            return node;
        ++index;
    }
    return {};
}

} // namespace page
