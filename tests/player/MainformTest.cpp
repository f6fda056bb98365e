#include "runtime/AppConfig.h"
#include "runtime/Messages.h"
#include "runtime/PageSurface.h"
#include "runtime/StatusLine.h"
#include "runtime/Tmainform.h"

#include "TempFolder.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QUdpSocket>

#include <gtest/gtest.h>

namespace {

const QByteArray EntryPage = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                             "<data><setting Width=\"1280\" Height=\"720\" Host=\"127.0.0.9\"/>"
                             "<Label Text=\"Hi\"/></data>";

// A player installed in a scratch folder, its requests for designers going
// to a socket of the test on this machine.
struct Player {
    TempFolder install;
    QUdpSocket designer;
    std::unique_ptr<Tmainform> form;

    explicit Player(const QByteArray &configText = QByteArray(), bool withProject = true,
                    const QString &pageArgument = QString()) {
        if (!configText.isEmpty())
            install.write(QStringLiteral("AppConfig.dat"), configText);
        if (withProject)
            install.write(QStringLiteral("sdata/index.ui"), EntryPage);
        designer.bind(QHostAddress::LocalHost, 0);
        PlayerOptions options;
        options.executableDir = install.path();
        options.pageArgument = pageArgument;
        options.designerAddress = QHostAddress::LocalHost;
        options.designerPort = designer.localPort();
        // The page clock (and with it the controller link) is driven by hand.
        options.userTimerInterval = 24 * 3600 * 1000;
        form = std::make_unique<Tmainform>(options);
        form->start();
    }

    QString configPath() const { return install.path(QStringLiteral("AppConfig.dat")); }
    QByteArray designerRequest() {
        if (!designer.hasPendingDatagrams() && !designer.waitForReadyRead(2000))
            return QByteArray();
        QByteArray datagram(int(designer.pendingDatagramSize()), '\0');
        designer.readDatagram(datagram.data(), datagram.size());
        return datagram;
    }
};

TEST(Mainform, StartsFullScreenWhateverTheConfigurationSays) {
    Player player("[position]\nfullscreen=0\n");
    EXPECT_TRUE(player.form->isFixtheScreen());
    EXPECT_EQ(player.form->windowTitle(), QString::fromUtf8(messages::DefaultTitle));
    EXPECT_EQ(player.form->TargetHost(), QStringLiteral("127.0.0.9"));
    EXPECT_FALSE(player.form->LayoutConfig()->isVisible());
}

TEST(Mainform, AMissingEntryPageOpensTheSettingsAndAsksForDesigners) {
    Player player(QByteArray(), false);
    SettingsPanel *panel = player.form->LayoutConfig();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->currentPage(), SettingsPanel::DownloadPage);
    EXPECT_TRUE(panel->isStartDownloadEnabled());
    EXPECT_FALSE(player.form->statusLine()->isVisible());
    EXPECT_EQ(player.designerRequest(), QByteArray(messages::FindDesignerRequest));
}

TEST(Mainform, APageArgumentMakesItsFolderTheProjectAndNamesTheSimulator) {
    TempFolder project;
    const QString page = project.write(QStringLiteral("pages/p1.ui"), EntryPage);
    Player player(QByteArray(), false, page);
    EXPECT_EQ(player.form->UIStoredRootPath(), project.path(QStringLiteral("pages/")));
    EXPECT_EQ(player.form->windowTitle(), QString::fromUtf8(messages::SimulatorTitle));
    EXPECT_EQ(player.form->pages().CurrentUIPage(), page);
}

TEST(Mainform, KeysOpenTheSettingsAndEscapeSavesTheWindowState) {
    Player player;
    Tmainform &form = *player.form;
    QTest::keyRelease(&form, Qt::Key_F1);
    EXPECT_TRUE(form.LayoutConfig()->isVisible());
    EXPECT_DOUBLE_EQ(form.surface()->MainWorkArea()->opacity(), 0.5);

    QTest::keyRelease(&form, Qt::Key_Alt);
    EXPECT_FALSE(form.LayoutConfig()->isVisible());

    QTest::keyRelease(&form, Qt::Key_F11);
    EXPECT_FALSE(form.isFixtheScreen());
    QTest::keyRelease(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());

    QSettings saved(player.configPath(), QSettings::IniFormat);
    EXPECT_EQ(saved.value(QStringLiteral("position/fullscreen")).toString(), QStringLiteral("0"));
    EXPECT_TRUE(saved.contains(QStringLiteral("position/x")));
}

TEST(Mainform, OkSavesTheBasicSettingsAndAppliesThem) {
    Player player;
    Tmainform &form = *player.form;
    form.ShowUpgradeForm();
    SettingsPanel *panel = form.LayoutConfig();
    panel->setCurrentPage(SettingsPanel::BasicPage);

    BasicSettings edited = panel->basicSettings();
    edited.mode = 2;
    edited.showDebugData = true;
    edited.userIP = true;
    edited.serverIP = QStringLiteral("10.9.9.9");
    edited.userPort = false;
    edited.serverPort = QStringLiteral("1234");
    edited.chatUser = QStringLiteral("安装员");
    edited.statusColour = 0xFF1E90FF;
    panel->setBasicSettings(edited);
    QTest::mouseClick(panel->okButton(), Qt::LeftButton);

    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(form.Controlchannel(), 2);
    EXPECT_EQ(form.statusLine()->fillColour().rgba(), 0xFF1E90FFu);

    AppConfig saved(player.configPath());
    EXPECT_EQ(saved.mode(), 2);
    EXPECT_TRUE(saved.showDebugData());
    EXPECT_EQ(saved.userServerIP(), QStringLiteral("10.9.9.9"));
    EXPECT_FALSE(saved.isUserPort());
    EXPECT_EQ(saved.userServerPort(), QStringLiteral("8800")) << "written only while ticked";
    EXPECT_EQ(saved.imUsername(), QStringLiteral("安装员"));
    EXPECT_EQ(saved.statusColor(), 0xFF1E90FFu);
}

TEST(Mainform, UntickedCustomBoxesShowTheLinkInUseAndFollowTheirTicks) {
    Player player("[System]\nisUserIP=0\nisUserPort=0\n");
    Tmainform &form = *player.form;
    form.ShowUpgradeForm();
    SettingsPanel *panel = form.LayoutConfig();
    EXPECT_EQ(panel->serverIPEdit()->text(), QStringLiteral("127.0.0.9"));
    EXPECT_EQ(panel->serverPortEdit()->text(), QStringLiteral("8800"));
    EXPECT_FALSE(panel->serverIPEdit()->isEnabled());
    panel->customIPBox()->setChecked(true);
    EXPECT_TRUE(panel->serverIPEdit()->isEnabled());
}

TEST(Mainform, EditingTheAddressEnablesTheDownloadAndEnterStartsIt) {
    Player player;
    Tmainform &form = *player.form;
    form.ShowUpgradeForm();
    SettingsPanel *panel = form.LayoutConfig();
    QSignalSpy started(panel, &SettingsPanel::startDownloadRequested);
    panel->setStartDownloadEnabled(false);
    QTest::keyClicks(panel->addressEdit(), QStringLiteral(":8080"));
    EXPECT_TRUE(panel->isStartDownloadEnabled());
    QTest::keyClick(panel->addressEdit(), Qt::Key_Return);
    EXPECT_FALSE(panel->isStartDownloadEnabled());
    EXPECT_EQ(started.count(), 1);
}

TEST(Mainform, TheBasicPageFillsTheHeightAndTheOthersAreCentred) {
    Player player;
    Tmainform &form = *player.form;
    form.resize(1000, 900);
    form.ShowUpgradeForm();
    SettingsPanel *panel = form.LayoutConfig();
    panel->setCurrentPage(SettingsPanel::BasicPage);
    EXPECT_EQ(panel->geometry().top(), 0);
    EXPECT_EQ(panel->height(), form.height() - 20);
    panel->setCurrentPage(SettingsPanel::DownloadPage);
    EXPECT_EQ(panel->height(), form.height() / 3);
    EXPECT_EQ(panel->geometry().center().y(), form.rect().center().y());
}

TEST(Mainform, F11ShowsThePageAtItsOwnSizeInAWindow) {
    Player player;
    Tmainform &form = *player.form;
    QTest::keyRelease(&form, Qt::Key_F11);
    ASSERT_FALSE(form.isFixtheScreen());
    EXPECT_EQ(form.size(), QSize(1280, 720));
    WorkAreaItem *area = form.surface()->MainWorkArea();
    EXPECT_EQ(area->size(), QSizeF(1280, 720));
    EXPECT_EQ(area->sceneTransform(), QTransform());
}

TEST(Mainform, TheInterfaceAngleIsAppliedAndKept) {
    Player player;
    player.form->ChangeUIAngle(90);
    EXPECT_EQ(player.form->surface()->angle(), 90);
    EXPECT_EQ(AppConfig(player.configPath()).angle(), 90);

    Player restarted(QByteArray("[UI]\nAngle=180\n"));
    EXPECT_EQ(restarted.form->surface()->angle(), 180);
}

TEST(Mainform, ScriptsSwitchOnlyToPagesThatExist) {
    Player player;
    const QString sub = player.install.write(QStringLiteral("sdata/sub/p2.ui"), EntryPage);
    const QString before = player.form->pages().CurrentUIPage();
    player.form->AL_LoadUI(QStringLiteral("sub\\missing.ui"));
    EXPECT_EQ(player.form->pages().CurrentUIPage(), before);
    player.form->AL_LoadUI(QStringLiteral("sub\\p2.ui"));
    EXPECT_EQ(player.form->pages().CurrentUIPage(), sub);
}

TEST(Mainform, TheLinkThreadStartsUnlessTheModeIsTheChatRelayOnly) {
    const struct {
        QByteArray config;
        bool linkThread;
    } cases[] = {{"", true}, {"[control]\nmode=2\n", false}, {"[control]\nmode=0\n", true}};
    for (const auto &c : cases) {
        Player player(c.config);
        EXPECT_EQ(player.form->link().hasSendThread(), c.linkThread) << c.config.constData();
        for (int tick = 0; tick < 3; ++tick)
            player.form->UserTimerTimer();
        EXPECT_EQ(player.form->link().hasSendThread(), c.linkThread) << c.config.constData();
    }
}

TEST(Mainform, ASleepingScriptEndsWithTheWindow) {
    Player player;
    player.form->runtime().dispatcher().DoButtonAction(
        QStringLiteral("_ENG=1;Sleep(60000)&#x0D;&#x0A;UpdateUI(\"Never\", \"x\", 1, -1)"),
        QString());
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return player.form->scripts().runningWorkers() == 1; }, 5000));
    QElapsedTimer clock;
    clock.start();
    player.form->close();
    EXPECT_EQ(player.form->scripts().createdWorkers(), 0);
    EXPECT_LT(clock.elapsed(), 5000);
}

struct PlacementCase {
    std::optional<int> x, y;
    QPoint expected;
};

TEST(Mainform, SavedPositionsBeyondTheScreenComeBackOntoIt) {
    const QSize screen(1920, 1080);
    const QPoint current(7, 9);
    const PlacementCase cases[] = {
        {std::nullopt, std::nullopt, QPoint(7, 9)},
        {100, 200, QPoint(100, 200)},
        {1920, 980, QPoint(1920, 980)},
        {1921, 981, QPoint(960, 540)},
        {5000, 0, QPoint(960, 0)},
    };
    for (const PlacementCase &c : cases)
        EXPECT_EQ(FormShowPosition(c.x, c.y, current, screen), c.expected);
}

} // namespace
