#pragma once

#include "ObjectPool.h"
#include "PageBuilder.h"
#include "PageEvents.h"
#include "PageTimers.h"
#include "page/PageDocument.h"
#include "page/PageSettings.h"

#include <QObject>

class WorkAreaItem;

// Shows page files one at a time on the page surface and keeps the shown
// page's document, from which actions read their texts by XML id.
class PageLoader : public QObject {
    Q_OBJECT
public:
    explicit PageLoader(WorkAreaItem *target, QObject *parent = nullptr);

    void setProjectRoot(const QString &uiStoredRootPath);

    // Shows the page file. A missing entry page asks for the settings panel so
    // that a project can be downloaded; any other missing page is reported.
    // A file that cannot be read as a page is reported and the page shown
    // stays as it is.
    void LoadUI(const QString &uiFileName);
    void ClearWorkArea();
    void DoActionByEvenID(PageEvents::Event event, const QString &parastr);

    const page::PageDocument &MainXML1() const { return m_doc; }
    const page::PageSettings &settings() const { return m_builder.settings(); }
    QString CurrentUIPage() const { return m_currentPage; }
    QString LastUIPage() const { return m_lastPage; }
    ObjectPool &pool() { return m_pool; }
    PageEvents &events() { return m_events; }
    PageTimers &timers() { return m_timers; }
    PageBuilder &builder() { return m_builder; }

    // Empty text while the window is closing, and wherever the document has
    // no such element or attribute.
    QString GetValueFromXML(int xmlId, const char *attrName) const;
    void setClosing(bool closing) { m_closing = closing; }

signals:
    void entryPageMissing();
    // A text for the status line and the number of page-clock ticks to show it.
    void statusMessage(const QString &text, int delays);
    // An action of the page to run, with its parameter string.
    void actionRequested(const QString &task, const QString &parastr);
    void pageLoaded();
    // The page is built and its load event has run.
    void pageShown();

private:
    WorkAreaItem *m_target;
    ObjectPool m_pool;
    PageEvents m_events;
    PageTimers m_timers;
    PageBuilder m_builder;
    page::PageDocument m_doc;
    QString m_currentPage;
    QString m_lastPage;
    bool m_closing = false;
};
