#pragma once

#include "HoldToConfigure.h"
#include "PageRuntime.h"
#include "PlayerOptions.h"
#include "SettingsPanel.h"
#include "net/ControllerLink.h"
#include "net/DesignerFinder.h"
#include "script/KeyValueStore.h"
#include "script/ScriptDispatcher.h"
#include "script/UiBridge.h"

#include <QPoint>
#include <QSize>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>

class AppConfig;
class PageSurface;
class StatusLine;

// Where the window goes when it is shown: the saved position, pulled back
// onto the screen when it was saved beyond it.
QPoint FormShowPosition(std::optional<int> savedX, std::optional<int> savedY, QPoint current,
                        QSize screen);

// The player's one window: the page surface with its status line, the
// settings panel, the page clock and the configuration. It owns the parts
// and wires them; each part keeps its own state.
class Tmainform : public QWidget {
    Q_OBJECT
public:
    explicit Tmainform(const PlayerOptions &options, QWidget *parent = nullptr);
    ~Tmainform() override;

    // Shows the window and the first page.
    void start();

    void LoadUI(const QString &uiFileName);
    // Scripts' page switch: a page of the project, when it exists.
    void AL_LoadUI(const QString &url);
    // The page shown when the controller forbids the panel, from the user's
    // documents folder, when it exists.
    void LoadNotAllowUI();
    // Turns the page surface and the status line, and keeps the angle.
    void ChangeUIAngle(int angle);
    // 0 unknown, 1 portrait, 2 landscape, 3 and 4 the same upside down.
    int GetScreenOrient() const;
    void ShowUpgradeForm();
    void ShowIMsettingForm();
    void CloseConfigWindow();
    void SaveConfigSettings();
    void FindUIDesigner();
    void ShowInfoBox(const QString &info, int x, int y, int delays);
    void HideInfoBox();
    void CloseApp();
    bool HandleAppLifeEvent(Qt::ApplicationState state);
    // One tick of the page clock: status line, page timers, controller link.
    void UserTimerTimer();

    QString AppStoredRootPath() const { return m_appStoredRootPath; }
    QString UIStoredRootPath() const { return m_uiStoredRootPath; }
    QString TargetHost() const { return m_targetHost; }
    bool isFixtheScreen() const { return m_isFixtheScreen; }
    int Controlchannel() const { return m_basic.mode; }
    const BasicSettings &appliedSettings() const { return m_basic; }

    PageLoader &pages() { return m_runtime.pages(); }
    PageRuntime &runtime() { return m_runtime; }
    KeyValueStore &keyValues() { return Lua_KeyValues; }
    PageSurface *surface() const { return m_surface; }
    StatusLine *statusLine() const;
    SettingsPanel *LayoutConfig() const { return m_config; }
    QTimer &UserTimer() { return m_userTimer; }
    QTimer &TimerUpdateUI() { return m_link.reports().TimerUpdateUI(); }
    ControllerLink &link() { return m_link; }
    ScriptDispatcher &scripts() { return m_scripts; }
    HoldToConfigure &hold() { return m_hold; }

protected:
    void showEvent(QShowEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void iniAppData();
    void wireRuntime();
    void stopScripts();
    // Which notes the status line shows: debug notes, link status texts.
    void applyNoteSettings();
    void setProjectRoot(const QString &uiStoredRootPath);
    void fitPage(const page::PageSettings &settings, const QString &backgroundPath);
    void FormShow();
    void FormKeyUp(int key, Qt::KeyboardModifiers modifiers);
    void FormClose();
    void applyScreenMode();
    void placeConfigPanel();
    void onConfigPageChanged(int page);
    void onPageLoaded();
    void saveScreenshot();

    PlayerOptions m_options;
    std::unique_ptr<AppConfig> MyINI;
    PageSurface *m_surface;
    SettingsPanel *m_config;
    KeyValueStore Lua_KeyValues;
    PageRuntime m_runtime;
    HoldToConfigure m_hold;
    DesignerFinder m_designerFinder;
    QTimer m_userTimer;
    ControllerLink m_link;
    UiBridge m_bridge;
    ScriptDispatcher m_scripts;

    QString m_appStoredRootPath;
    QString m_uiStoredRootPath;
    QString m_targetHost;
    QString m_targetPort = QStringLiteral("8800");
    BasicSettings m_basic;
    QSize m_screenSize;
    bool m_isFixtheScreen = true;
    bool m_shownOnce = false;
    bool Appcloseing = false;
    bool appClosing = false;
};
