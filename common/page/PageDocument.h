#pragma once

#include <QString>

#include <memory>

namespace pugi {
class xml_document;
class xml_node;
} // namespace pugi

namespace page {

// A page file held in memory while the page is shown. Root child 0 is the
// page settings, children 1..n-1 the objects in drawing order; a child's index
// is its XML id, by which actions read their attributes when they run.
class PageDocument {
public:
    PageDocument();
    ~PageDocument();
    PageDocument(const PageDocument &) = delete;
    PageDocument &operator=(const PageDocument &) = delete;

    // Reads the file; on failure the previous contents stay as they were and
    // errorString() names the file and says what is wrong.
    bool load(const QString &filePath);
    bool loadFromText(const QString &xmlText, const QString &nameForMessages);
    QString errorString() const { return m_error; }

    void clear();
    void swap(PageDocument &other) noexcept {
        m_doc.swap(other.m_doc);
        m_error.swap(other.m_error);
    }
    bool hasRoot() const;
    int childCount() const;
    QString elementName(int xmlId) const;
    bool hasAttribute(int xmlId, const char *attrName) const;
    // Empty text when there is no root, the id is not a root child index or
    // the element lacks the attribute.
    QString value(int xmlId, const char *attrName) const;

    // Direct access for the readers of one element and its children.
    pugi::xml_node child(int xmlId) const;

private:
    bool parse(const QByteArray &bytes, const QString &nameForMessages);

    std::unique_ptr<pugi::xml_document> m_doc;
    QString m_error;
};

} // namespace page
