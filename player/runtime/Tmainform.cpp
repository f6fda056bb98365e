#include "Tmainform.h"

#include "AppConfig.h"
#include "KeyCommands.h"
#include "Messages.h"
#include "PageSurface.h"
#include "StatusLine.h"
#include "project/ProjectPaths.h"
#include "script/LineEngine.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QStandardPaths>
#include <QTextStream>

namespace {
constexpr int SettingsPanelWidth = 449;
constexpr int SettingsPanelHeight = 300;
constexpr int HoldMessageTicks = 5;

QString text(const char *utf8) {
    return QString::fromUtf8(utf8);
}
} // namespace

QPoint FormShowPosition(std::optional<int> savedX, std::optional<int> savedY, QPoint current,
                        QSize screen) {
    int left = savedX.value_or(current.x());
    int top = savedY.value_or(current.y());
    if (left > screen.width())
        left = screen.width() / 2;
    if (top > screen.height() - 100)
        top = screen.height() / 2;
    return QPoint(left, top);
}

Tmainform::Tmainform(const PlayerOptions &options, QWidget *parent)
    : QWidget(parent), m_options(options), m_surface(new PageSurface(this)),
      m_config(new SettingsPanel(this)), m_runtime(m_surface->MainWorkArea(), Lua_KeyValues),
      m_designerFinder(options.designerAddress, options.designerPort),
      m_link(m_runtime, options.linkTimings), m_bridge(*this),
      m_scripts({[this](const QString &code, const QString &para) {
                     return Run_Script(code, para, m_bridge);
                 },
                 // Without the Lua library, Lua code does nothing.
                 [](const QString &, const QString &) { return false; }}) {
    setObjectName(QStringLiteral("Mainform"));
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    resize(498, 756);
    m_config->resize(SettingsPanelWidth, SettingsPanelHeight);
    m_config->hide();

    m_userTimer.setInterval(options.userTimerInterval);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        m_screenSize = screen->size();

    iniAppData();

    connect(&m_userTimer, &QTimer::timeout, this, &Tmainform::UserTimerTimer);
    connect(&m_runtime.pages(), &PageLoader::pageLoaded, this, &Tmainform::onPageLoaded);
    connect(&m_runtime.pages().builder(), &PageBuilder::fitRequested, this, &Tmainform::fitPage);
    connect(&m_runtime.pages().builder(), &PageBuilder::timerAdded, &m_userTimer,
            qOverload<>(&QTimer::start));
    connect(&m_runtime.pages(), &PageLoader::entryPageMissing, this, &Tmainform::ShowUpgradeForm);
    connect(&m_runtime.pages(), &PageLoader::statusMessage, this,
            [this](const QString &info, int delays) { ShowInfoBox(info, 0, 0, delays); });
    connect(m_surface->MainWorkArea(), &WorkAreaItem::pressed, this,
            [this] { m_hold.RecordPressBeginTime(QDateTime::currentDateTime()); });
    wireRuntime();
    connect(m_surface->MainWorkArea(), &WorkAreaItem::released, this, [this] {
        switch (m_hold.CheckIfUserWantUpdateUI(QDateTime::currentDateTime())) {
        case HoldToConfigure::HoldResult::OpenSettings:
            ShowUpgradeForm();
            break;
        case HoldToConfigure::HoldResult::ShowHoldMessage:
            ShowInfoBox(text(messages::HoldForSettings), 0, 0, HoldMessageTicks);
            break;
        case HoldToConfigure::HoldResult::Nothing:
            break;
        }
    });
    connect(m_config, &SettingsPanel::okClicked, this, &Tmainform::SaveConfigSettings);
    connect(m_config, &SettingsPanel::cancelClicked, this, &Tmainform::CloseConfigWindow);
    connect(m_config, &SettingsPanel::backToSystemClicked, this, &Tmainform::CloseConfigWindow);
    connect(m_config, &SettingsPanel::searchClicked, this, &Tmainform::FindUIDesigner);
    connect(m_config, &SettingsPanel::pageChanged, this, &Tmainform::onConfigPageChanged);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, &Tmainform::HandleAppLifeEvent);
}

Tmainform::~Tmainform() {
    stopScripts();
}

void Tmainform::stopScripts() {
    // Sleeping scripts wake; scripts waiting for this thread are served meanwhile.
    m_bridge.stop();
    m_scripts.stopAll([] { QCoreApplication::processEvents(); });
}

void Tmainform::wireRuntime() {
    ActionDispatcher &dispatcher = m_runtime.dispatcher();
    connect(&dispatcher, &ActionDispatcher::ShowUpgradeForm, this, &Tmainform::ShowUpgradeForm);
    connect(&dispatcher, &ActionDispatcher::ShowIMsettingForm, this, &Tmainform::ShowIMsettingForm);
    connect(&dispatcher, &ActionDispatcher::debugLog, this,
            [this](const QString &note, int delays) { ShowInfoBox(note, 0, 0, delays); });
    m_runtime.setLinkState({[this] { return m_basic.mode; },
                            [this] { return m_link.isMainTCPClientConnected(); },
                            [] { return false; }});
    connect(&dispatcher, &ActionDispatcher::RunScriptbyNewThread, this,
            [this](const QString &code, const QString &para) {
                m_scripts.RunScriptbyNewThread(code, para);
            });
    connect(&dispatcher, &ActionDispatcher::SendTCP, this, [this](const QString &message) {
        m_link.SendTCP(m_targetHost, m_targetPort, message);
    });
    StateReports &reports = m_link.reports();
    connect(&m_runtime.pages(), &PageLoader::pageLoaded, &reports,
            &StateReports::UpdateUIFromLastControlCenter);
    connect(&reports, &StateReports::debugLog, this,
            [this](const QString &note, int delays) { ShowInfoBox(note, 0, 0, delays); });
    connect(&reports, &StateReports::LoadNotAllowUI, this, &Tmainform::LoadNotAllowUI);
    connect(&m_link, &ControllerLink::statusText, this,
            [this](const QString &text, int delays) { ShowInfoBox(text, 0, 0, delays); });
    connect(&m_link, &ControllerLink::wantsUserTimer, &m_userTimer, qOverload<>(&QTimer::start));
    // Names that no page object carries may name a fixed part of the window.
    m_runtime.operations().setFallback([this](const QString &name) -> QGraphicsObject * {
        const QList<QGraphicsItem *> items = m_surface->scene()->items();
        for (QGraphicsItem *item : items) {
            QGraphicsObject *object = item->toGraphicsObject();
            if (object && object->objectName() == name)
                return object;
        }
        return nullptr;
    });
}

StatusLine *Tmainform::statusLine() const {
    return m_surface->statusLine();
}

void Tmainform::iniAppData() {
    m_appStoredRootPath = project::appStoredRootPath(m_options.executableDir);
    MyINI = std::make_unique<AppConfig>(m_appStoredRootPath + QStringLiteral("AppConfig.dat"));
    Appcloseing = false;
    m_isFixtheScreen = MyINI->fullscreen();

    setWindowTitle(m_options.pageArgument.isEmpty() ? MyINI->title()
                                                    : text(messages::SimulatorTitle));
    m_basic.chatUser = MyINI->imUsername();
    m_basic.chatPassword = MyINI->imPassword();
    m_basic.chatDeviceID = MyINI->imDeviceID();
    m_basic.chatServer = MyINI->imServer();
    m_basic.mode = MyINI->mode();
    m_basic.showDebugData = MyINI->showDebugData();
    m_basic.showTcpStatus = MyINI->isShowTcpStatus();
    m_basic.stretchFullScreen = MyINI->isStretchFullScreen();
    m_basic.userIP = MyINI->isUserIP();
    m_basic.userPort = MyINI->isUserPort();
    m_basic.serverIP = MyINI->userServerIP();
    m_basic.serverPort = MyINI->userServerPort();
    m_basic.statusColour = MyINI->statusColor();
    m_config->setBasicSettings(m_basic);
    applyNoteSettings();

    statusLine()->setFillColour(QColor::fromRgba(m_basic.statusColour));
    m_surface->setAngle(MyINI->angle());

    setProjectRoot(project::defaultUIStoredRootPath(m_options.executableDir));
}

void Tmainform::setProjectRoot(const QString &uiStoredRootPath) {
    m_uiStoredRootPath = uiStoredRootPath;
    m_runtime.setProjectRoot(uiStoredRootPath);
}

void Tmainform::applyNoteSettings() {
    m_runtime.dispatcher().setShowDebugData(m_basic.showDebugData);
    m_link.setShowDebugData(m_basic.showDebugData);
    m_link.setShowTcpStatus(m_basic.showTcpStatus);
}

void Tmainform::start() {
    QApplication::setApplicationDisplayName(windowTitle() + QStringLiteral(" Build:") +
                                            text(messages::BuildTag));
    m_isFixtheScreen = true;
    applyScreenMode();
    if (m_options.pageArgument.isEmpty()) {
        LoadUI(project::entryPagePath(m_uiStoredRootPath));
    } else {
        setProjectRoot(project::uiRootOfPage(m_options.pageArgument));
        LoadUI(QFileInfo(m_options.pageArgument).absoluteFilePath());
    }
    if (m_basic.mode != 2)
        m_link.StartTCPClientSendThread();
}

void Tmainform::applyScreenMode() {
    if (m_isFixtheScreen) {
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        // Without a window manager the request alone leaves the window small.
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            setGeometry(screen->geometry());
        showFullScreen();
    } else {
        setWindowFlags(Qt::Window);
        const page::PageSettings &page = m_runtime.pages().settings();
        resize(
            QSize(page.width, page.height)
                .boundedTo(m_screenSize.isEmpty() ? QSize(page.width, page.height) : m_screenSize));
        showNormal();
    }
}

void Tmainform::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    FormShow();
    if (!m_options.screenshotPath.isEmpty())
        QTimer::singleShot(m_options.screenshotDelayMs, this, &Tmainform::saveScreenshot);
}

void Tmainform::FormShow() {
    if (isFullScreen())
        return;
    move(FormShowPosition(MyINI->x(), MyINI->y(), pos(), m_screenSize));
}

void Tmainform::saveScreenshot() {
    QTextStream out(stdout);
    if (grab().save(m_options.screenshotPath))
        out << "screenshot saved: " << m_options.screenshotPath << Qt::endl;
    else
        QTextStream(stderr) << "could not save the screenshot to " << m_options.screenshotPath
                            << Qt::endl;
    close();
}

void Tmainform::hideEvent(QHideEvent *event) {
    QWidget::hideEvent(event);
    m_runtime.pages().DoActionByEvenID(PageEvents::onBackGround, QString());
}

void Tmainform::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    m_surface->setGeometry(rect());
    placeConfigPanel();
}

void Tmainform::keyReleaseEvent(QKeyEvent *event) {
    FormKeyUp(event->key(), event->modifiers());
    event->accept();
}

void Tmainform::FormKeyUp(int key, Qt::KeyboardModifiers modifiers) {
    switch (keyCommandFor(key, modifiers)) {
    case KeyCommand::DimAndShowSettings:
        m_surface->MainWorkArea()->setOpacity(0.5);
        ShowUpgradeForm();
        break;
    case KeyCommand::ToggleSettings:
        ShowUpgradeForm();
        break;
    case KeyCommand::Close:
        close();
        break;
    case KeyCommand::ShowConnectSettings:
        ShowIMsettingForm();
        break;
    case KeyCommand::ToggleFixedScreen:
        m_isFixtheScreen = !m_isFixtheScreen;
        applyScreenMode();
        LoadUI(m_runtime.pages().CurrentUIPage());
        break;
    case KeyCommand::GoBack:
        if (shouldGoBack(m_runtime.pages().LastUIPage()))
            LoadUI(m_runtime.pages().LastUIPage());
        break;
    case KeyCommand::None:
        break;
    }
}

void Tmainform::LoadUI(const QString &uiFileName) {
    m_runtime.pages().LoadUI(uiFileName);
}

void Tmainform::AL_LoadUI(const QString &url) {
    const QString path = project::pagePath(m_uiStoredRootPath, url);
    if (project::fileExists(path))
        LoadUI(path);
}

void Tmainform::LoadNotAllowUI() {
    const QString path = project::notAllowPagePath(
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    if (project::fileExists(path))
        LoadUI(path);
}

void Tmainform::ChangeUIAngle(int angle) {
    MyINI->setAngle(angle);
    if (!MyINI->sync())
        ShowInfoBox(MyINI->errorString(), 0, 0, 5);
    m_surface->setAngle(angle);
}

int Tmainform::GetScreenOrient() const {
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 0;
    switch (screen->orientation()) {
    case Qt::PortraitOrientation:
        return 1;
    case Qt::LandscapeOrientation:
        return 2;
    case Qt::InvertedPortraitOrientation:
        return 3;
    case Qt::InvertedLandscapeOrientation:
        return 4;
    default:
        return 0;
    }
}

void Tmainform::onPageLoaded() {
    m_targetHost = m_runtime.pages().settings().host;
    m_userTimer.start();
}

void Tmainform::fitPage(const page::PageSettings &settings, const QString &backgroundPath) {
    m_surface->fitPage(settings, backgroundPath, m_isFixtheScreen);
    if (!m_isFixtheScreen)
        resize(m_surface->MainWorkArea()->size().toSize());
}

void Tmainform::UserTimerTimer() {
    statusLine()->tick();
    m_runtime.clock().UserTimerTimer();
    if (m_basic.mode != 2)
        m_link.UserTimerStep(m_targetHost, m_targetPort);
}

void Tmainform::ShowInfoBox(const QString &info, int x, int y, int delays) {
    statusLine()->ShowInfoBox(info, x, y, delays);
}

void Tmainform::HideInfoBox() {
    statusLine()->HideInfoBox();
}

void Tmainform::ShowUpgradeForm() {
    m_config->setDownloadProgress(0);
    statusLine()->hide();
    m_config->setBusy(false);
    m_config->setVisible(!m_config->isVisible());
    if (m_config->isVisible()) {
        placeConfigPanel();
        m_config->setCurrentPage(SettingsPanel::DownloadPage);
        FindUIDesigner();
        m_config->setStartDownloadEnabled(true);
        ShowIMsettingForm();
        m_config->raise();
        statusLine()->hide();
        update();
    } else {
        LoadUI(project::entryPagePath(m_uiStoredRootPath));
    }
}

void Tmainform::ShowIMsettingForm() {
    statusLine()->hide();
    BasicSettings shown = m_basic;
    if (!shown.userIP)
        shown.serverIP = m_targetHost;
    if (!shown.userPort)
        shown.serverPort = m_targetPort;
    m_config->setBasicSettings(shown);
}

void Tmainform::onConfigPageChanged(int page) {
    if (page > SettingsPanel::RemotePage)
        ShowIMsettingForm();
    placeConfigPanel();
}

void Tmainform::placeConfigPanel() {
    const int width = qMin(SettingsPanelWidth, this->width());
    if (m_config->currentPage() > SettingsPanel::RemotePage) {
        m_config->setGeometry((this->width() - width) / 2, 0, width, height() - 20);
    } else {
        const int panelHeight = qMax(SettingsPanelHeight, height() / 3);
        m_config->setGeometry((this->width() - width) / 2, (height() - panelHeight) / 2, width,
                              panelHeight);
    }
}

void Tmainform::FindUIDesigner() {
    const QString error = m_designerFinder.FindUIDesigner();
    if (!error.isEmpty())
        ShowInfoBox(error, 0, 0, 5);
}

void Tmainform::SaveConfigSettings() {
    const BasicSettings edited = m_config->basicSettings();
    MyINI->setImUsername(edited.chatUser);
    MyINI->setImPassword(edited.chatPassword);
    MyINI->setImDeviceID(edited.chatDeviceID);
    MyINI->setImServer(edited.chatServer);
    MyINI->setMode(edited.mode);
    MyINI->setIsUserIP(edited.userIP);
    MyINI->setIsUserPort(edited.userPort);
    MyINI->setShowDebugData(edited.showDebugData);
    MyINI->setIsShowTcpStatus(edited.showTcpStatus);
    MyINI->setIsStretchFullScreen(edited.stretchFullScreen);
    if (edited.userIP)
        MyINI->setUserServerIP(edited.serverIP);
    if (edited.userPort)
        MyINI->setUserServerPort(edited.serverPort);
    MyINI->setStatusColor(edited.statusColour);
    const bool saved = MyINI->sync();

    // Custom address and port are kept only while their ticks are on.
    const QString keptIP = edited.userIP ? edited.serverIP : m_basic.serverIP;
    const QString keptPort = edited.userPort ? edited.serverPort : m_basic.serverPort;
    m_basic = edited;
    m_basic.serverIP = keptIP;
    m_basic.serverPort = keptPort;
    statusLine()->setFillColour(QColor::fromRgba(m_basic.statusColour));
    applyNoteSettings();

    CloseConfigWindow();
    if (!saved)
        ShowInfoBox(MyINI->errorString(), 0, 0, 10);
}

void Tmainform::CloseConfigWindow() {
    m_config->hide();
    m_surface->MainWorkArea()->setOpacity(1);
    m_surface->setUpdatesEnabled(false);
    LoadUI(project::entryPagePath(m_uiStoredRootPath));
    m_surface->setUpdatesEnabled(true);
}

bool Tmainform::HandleAppLifeEvent(Qt::ApplicationState state) {
    switch (state) {
    case Qt::ApplicationActive:
        if (!m_link.isMainTCPClientConnected() && m_basic.mode != 2)
            m_link.SendTCP(m_targetHost, m_targetPort, QString::fromUtf8(messages::KeepAlive));
        TimerUpdateUI().start();
        m_userTimer.start();
        break;
    case Qt::ApplicationInactive:
        TimerUpdateUI().stop();
        break;
    default:
        break;
    }
    return true;
}

void Tmainform::CloseApp() {
    close();
}

void Tmainform::closeEvent(QCloseEvent *event) {
    FormClose();
    event->accept();
}

void Tmainform::FormClose() {
    if (Appcloseing)
        return;
    Appcloseing = true;
    m_runtime.pages().setClosing(true);
    MyINI->setPosition(x(), y());
    MyINI->setFullscreen(m_isFixtheScreen);
    if (!MyINI->sync())
        QTextStream(stderr) << MyINI->errorString() << Qt::endl;
    hide();
    m_userTimer.stop();
    TimerUpdateUI().stop();
    appClosing = true;
    m_link.DisconnectTCP();
    stopScripts();
    statusLine()->setClosing(true);
}
