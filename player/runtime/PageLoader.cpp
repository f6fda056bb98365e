#include "PageLoader.h"

#include "Messages.h"
#include "page/PageNames.h"

#include "project/ProjectPaths.h"

#include <QFileInfo>

PageLoader::PageLoader(WorkAreaItem *target, QObject *parent)
    : QObject(parent), m_target(target), m_builder(m_pool, m_events, m_timers) {
    connect(&m_builder, &PageBuilder::statusMessage, this, &PageLoader::statusMessage);
}

void PageLoader::setProjectRoot(const QString &uiStoredRootPath) {
    m_builder.setProjectRoot(uiStoredRootPath);
}

void PageLoader::LoadUI(const QString &uiFileName) {
    m_lastPage = m_currentPage;
    m_currentPage = uiFileName;

    if (!project::fileExists(uiFileName)) {
        if (uiFileName.contains(QLatin1String("index.ui")))
            emit entryPageMissing();
        else
            emit statusMessage(QString::fromUtf8(messages::PageNotFound), 0);
        return;
    }

    // Read into a fresh document first, so a broken file leaves the page
    // that is shown untouched.
    page::PageDocument parsed;
    if (!parsed.load(uiFileName)) {
        emit statusMessage(parsed.errorString(), 0);
        return;
    }
    ClearWorkArea();
    DoActionByEvenID(PageEvents::onClose, QString());
    m_events.ResetEvenlist();
    m_doc.swap(parsed);
    m_builder.OpenCurrentXMLPage(m_doc, m_target);
    emit pageLoaded();
    DoActionByEvenID(PageEvents::onLoad, QString());
    emit pageShown();
}

void PageLoader::ClearWorkArea() {
    m_builder.ClearWorkArea(m_target);
}

void PageLoader::DoActionByEvenID(PageEvents::Event event, const QString &parastr) {
    const int xmlId = m_events.xmlIdOf(event);
    if (xmlId < 0)
        return;
    emit actionRequested(GetValueFromXML(xmlId, page::names::attr::Task), parastr);
}

QString PageLoader::GetValueFromXML(int xmlId, const char *attrName) const {
    if (m_closing)
        return QString();
    return m_doc.value(xmlId, attrName);
}
