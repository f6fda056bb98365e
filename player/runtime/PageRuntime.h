#pragma once

#include "ActionDispatcher.h"
#include "ObjectOperations.h"
#include "PageClock.h"
#include "PageLoader.h"
#include "Speech.h"
#include "StyleImages.h"
#include "SystemChange.h"
#include "TouchInput.h"
#include "net/AudioPlayer.h"

#include <QObject>

class KeyValueStore;
class WorkAreaItem;

// The shown page and everything that acts on it: the loader, the touch
// handling, the dispatcher every action ends in, the operations on named
// objects, the script-made pictures and the page clock, wired together.
class PageRuntime : public QObject {
    Q_OBJECT
public:
    PageRuntime(WorkAreaItem *MainWorkArea, KeyValueStore &Lua_KeyValues,
                QObject *parent = nullptr);

    void setProjectRoot(const QString &uiStoredRootPath);
    void setLinkState(const ActionDispatcher::LinkState &state);

    PageLoader &pages() { return m_pages; }
    ActionDispatcher &dispatcher() { return m_dispatcher; }
    ObjectOperations &operations() { return m_operations; }
    StyleImages &styles() { return m_styles; }
    PageClock &clock() { return m_clock; }
    TouchInput &touch() { return m_touch; }
    Speech &speech() { return m_speech; }
    const SystemChange &systemChange() const { return m_systemChange; }

private:
    void showLinkStatusObject();

    SystemChange m_systemChange;
    PageLoader m_pages;
    ActionDispatcher m_dispatcher;
    ObjectOperations m_operations;
    StyleImages m_styles;
    PageClock m_clock;
    TouchInput m_touch;
    AudioPlayer m_audio;
    Speech m_speech;
    std::function<bool()> m_isLinkConnected;
};
