#pragma once

#include "page/PageDocument.h"
#include "page/PageSettings.h"

#include <QObject>

// Opens page files one at a time and keeps the shown page's document, from
// which actions read their texts by XML id while the page is shown.
class PageLoader : public QObject {
    Q_OBJECT
public:
    explicit PageLoader(QObject *parent = nullptr);

    // Shows the page file. A missing entry page asks for the settings panel so
    // that a project can be downloaded; any other missing page is reported.
    // A file that cannot be read as a page is reported and the page shown
    // stays as it is.
    void LoadUI(const QString &uiFileName);

    const page::PageDocument &MainXML1() const { return m_doc; }
    const page::PageSettings &settings() const { return m_settings; }
    QString CurrentUIPage() const { return m_currentPage; }
    QString LastUIPage() const { return m_lastPage; }

    // Empty text while the window is closing, and wherever the document has
    // no such element or attribute.
    QString GetValueFromXML(int xmlId, const char *attrName) const;
    void setClosing(bool closing) { m_closing = closing; }

signals:
    void entryPageMissing();
    // A text for the status line and the number of page-clock ticks to show it.
    void statusMessage(const QString &text, int delays);
    void pageLoaded();

private:
    page::PageDocument m_doc;
    page::PageSettings m_settings;
    QString m_currentPage;
    QString m_lastPage;
    bool m_closing = false;
};
