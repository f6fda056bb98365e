#include "PageLoader.h"

#include "Messages.h"

#include <QFileInfo>

PageLoader::PageLoader(QObject *parent) : QObject(parent) {}

void PageLoader::LoadUI(const QString &uiFileName) {
    m_lastPage = m_currentPage;
    m_currentPage = uiFileName;

    if (!QFileInfo::exists(uiFileName)) {
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
    m_doc.swap(parsed);
    m_settings = page::PageSettings::read(m_doc);
    emit pageLoaded();
}

QString PageLoader::GetValueFromXML(int xmlId, const char *attrName) const {
    if (m_closing)
        return QString();
    return m_doc.value(xmlId, attrName);
}
