#pragma once

#include "ImageButtons.h"

#include <QObject>
#include <QPointF>

#include <functional>

class ActionDispatcher;
class KeyValueStore;
class PageLoader;
class QGraphicsObject;
class SystemChange;
class TextObject;

// What a touch on the page produces: the look of the touched object, the
// two-state memory, and the action texts with their parameter strings,
// handed to the dispatcher in the order the finger asks for them.
class TouchInput : public QObject {
    Q_OBJECT
public:
    TouchInput(PageLoader &pages, ActionDispatcher &dispatcher, KeyValueStore &store,
               SystemChange &systemChange, QObject *parent = nullptr);

    // The value a standard control reports with its action.
    void setValueReader(std::function<QString(QGraphicsObject *)> GetObjectValue);
    void setProjectRoot(const QString &uiStoredRootPath) { m_uiRoot = uiStoredRootPath; }

    // Connects a new page object's pointer and change signals by its kind.
    void attach(QGraphicsObject *object);

    void onImageMouseDown(TmyImage *img, QPointF pos);
    void onImageMousemove(QPointF pos);
    void onImageMouseUP(QPointF pos);
    void onImageMouseLeave();
    void onLabelMouseDown(TextObject *label, QPointF pos);
    void OnStandarObjectMouseDown(QGraphicsObject *sender);
    void OnStandarObjectMouseUp(QGraphicsObject *sender);
    void onStarndObjClick(QGraphicsObject *sender);
    void MainWorkAreaMouseDown(QPointF pos);

    const TouchState &state() const { return m_state; }

signals:
    // The click sound file to play.
    void PlayAudio(const QString &path);

private:
    void runPressActions(TmyImage *img, bool forEveryKind);
    QString nameOf(const QGraphicsObject *object) const;
    QString twoStateKey(const QGraphicsObject *object) const;

    PageLoader &m_pages;
    ActionDispatcher &m_dispatcher;
    KeyValueStore &m_store;
    SystemChange &m_systemChange;
    std::function<QString(QGraphicsObject *)> m_valueOf;
    QString m_uiRoot;
    TouchState m_state;
    ImageButtons m_buttons{m_state};
};
