#pragma once

#include "ObjectPool.h"
#include "PageEvents.h"
#include "PageTimers.h"
#include "page/PageSettings.h"

#include <QObject>
#include <QRectF>

#include <functional>

class QGraphicsItem;
class TextObject;
class TmyImage;
class WorkAreaItem;

namespace page {
class PageDocument;
}

// Turns a page document into objects on the page surface, reusing the
// pooled objects of earlier pages by their generated names.
class PageBuilder : public QObject {
    Q_OBJECT
public:
    PageBuilder(ObjectPool &pool, PageEvents &events, PageTimers &timers,
                QObject *parent = nullptr);

    void setProjectRoot(const QString &uiStoredRootPath) { m_uiRoot = uiStoredRootPath; }
    // Two-state objects find their saved state here (page tag + XML id).
    void setStateLookup(std::function<QString(const QString &key)> lookup);

    void OpenCurrentXMLPage(const page::PageDocument &doc, WorkAreaItem *target);
    void ClearWorkArea(WorkAreaItem *target);

    const page::PageSettings &settings() const { return m_settings; }
    int PageTag() const { return m_settings.tag; }
    bool isButtonSound() const { return m_settings.clickSound; }

signals:
    // The settings are read and the background path is known: fit the page now.
    void fitRequested(const page::PageSettings &settings, const QString &backgroundPath);
    void statusMessage(const QString &text, int delays);
    // A page timer was added: the page clock must run.
    void timerAdded();
    // The old page's script-made pictures are to go before this page is built.
    void pageBuilding();
    // A control was made for the pool (made once, reused by later pages).
    void objectCreated(QGraphicsObject *object);

private:
    void SetBackground(const QString &src, const QString &downTask, int bgAlpha,
                       WorkAreaItem *target);
    void SetBackgroundColor(WorkAreaItem *target);
    void AddIMGFromXMLByID(int itemID, WorkAreaItem *owner);
    TmyImage *CreatIMGButton(const QString &src, int x, int y, int w, int h, int alpha, int alpha2,
                             int id, const QString &task, QGraphicsItem *target,
                             const QString &objName);
    void AddLabelFromXMLByID(int itemID, WorkAreaItem *owner);
    bool AddLable(const QString &text, int size, int x, int y, int w, int h, int posTag,
                  QRgb colour, QGraphicsItem *target, int myTag, const QString &objName);
    void AddstandarObjectFromXML(int xmlID, WorkAreaItem *target);
    void SetTxtPos(TextObject *label, int posTag, QGraphicsItem *parentImage);
    void bringToFront(QGraphicsItem *item);
    QString savedState(int xmlId) const;

    template <class T, class Make>
    T *reuseOrCreate(ObjectKind kind, const QString &prefix, Make make);
    template <class T> T *reuseOrCreate(ObjectKind kind, const QString &prefix);
    QGraphicsObject *buildStandardObject(ObjectKind kind, const QString &prefix, int xmlID,
                                         const QRectF &bounds, const QString &title,
                                         WorkAreaItem *target);
    void resetPageObject(QGraphicsObject *object);

    ObjectPool &m_pool;
    PageEvents &m_events;
    PageTimers &m_timers;
    std::function<QString(const QString &)> m_stateLookup;
    const page::PageDocument *m_doc = nullptr;
    page::PageSettings m_settings;
    QString m_uiRoot;
    qreal m_nextZ = 0;
    bool m_webNoticeShown = false;
};
