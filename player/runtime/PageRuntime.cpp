#include "PageRuntime.h"

#include "PageSurface.h"
#include "page/PageNames.h"
#include "script/KeyValueStore.h"

PageRuntime::PageRuntime(WorkAreaItem *MainWorkArea, KeyValueStore &Lua_KeyValues, QObject *parent)
    : QObject(parent), m_pages(MainWorkArea),
      m_operations(m_pages.pool(), m_systemChange, MainWorkArea), m_styles(m_operations),
      m_clock(m_pages.timers()), m_touch(m_pages, m_dispatcher, Lua_KeyValues, m_systemChange) {
    PageBuilder &builder = m_pages.builder();
    builder.setStateLookup(
        [&Lua_KeyValues](const QString &key) { return Lua_KeyValues.value(key); });
    connect(&builder, &PageBuilder::objectCreated, &m_touch, &TouchInput::attach);
    connect(&builder, &PageBuilder::pageBuilding, &m_styles, &StyleImages::Style_ClearALL);
    connect(&m_pages, &PageLoader::actionRequested, &m_dispatcher,
            &ActionDispatcher::DoButtonAction);
    connect(&m_pages, &PageLoader::pageShown, this, &PageRuntime::showLinkStatusObject);
    connect(&m_dispatcher, &ActionDispatcher::LoadUI, &m_pages, &PageLoader::LoadUI);
    connect(&m_clock, &PageClock::timerFired, this, [this](int xmlId) {
        m_dispatcher.DoButtonAction(m_pages.GetValueFromXML(xmlId, page::names::attr::Task),
                                    QString());
    });
    m_touch.setValueReader(
        [this](QGraphicsObject *object) { return m_operations.GetObjectValue(object); });
    connect(&m_touch, &TouchInput::PlayAudio, &m_audio, &AudioPlayer::PlayAudio);
    connect(MainWorkArea, &WorkAreaItem::pressed, &m_touch, &TouchInput::MainWorkAreaMouseDown);
}

void PageRuntime::setProjectRoot(const QString &uiStoredRootPath) {
    m_pages.setProjectRoot(uiStoredRootPath);
    m_dispatcher.setProjectRoot(uiStoredRootPath);
    m_operations.setProjectRoot(uiStoredRootPath);
    m_touch.setProjectRoot(uiStoredRootPath);
}

void PageRuntime::setLinkState(const ActionDispatcher::LinkState &state) {
    m_dispatcher.setLinkState(state);
    m_isLinkConnected = state.isMainTCPClientConnected;
}

void PageRuntime::showLinkStatusObject() {
    // A page may carry an object that shows while the controller is away.
    const bool connected = m_isLinkConnected && m_isLinkConnected();
    m_operations.UpdateUI(QStringLiteral("isControlSystemOFFline"), QString(), connected ? 0 : 100,
                          -1);
}
