#include "runtime/ActionDispatcher.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

// Every hand-over of the dispatcher, as "route: text | parameter".
struct Recorder {
    ActionDispatcher dispatcher;
    QStringList seen;
    int mode = 1;
    bool linkUp = false;
    bool chatUp = false;

    Recorder() {
        dispatcher.setProjectRoot(QStringLiteral("/proj/"));
        dispatcher.setLinkState(
            {[this] { return mode; }, [this] { return linkUp; }, [this] { return chatUp; }});
        QObject::connect(&dispatcher, &ActionDispatcher::RunScriptbyNewThread,
                         [this](const QString &code, const QString &para) {
                             seen << QStringLiteral("script: ") + code + QStringLiteral(" | ") +
                                         para;
                         });
        QObject::connect(&dispatcher, &ActionDispatcher::LoadUI,
                         [this](const QString &path) { seen << QStringLiteral("page: ") + path; });
        QObject::connect(&dispatcher, &ActionDispatcher::SendTCP,
                         [this](const QString &m) { seen << QStringLiteral("tcp: ") + m; });
        QObject::connect(&dispatcher, &ActionDispatcher::IM_servicSendMsg,
                         [this](const QString &m) { seen << QStringLiteral("chat: ") + m; });
        QObject::connect(&dispatcher, &ActionDispatcher::ShowUpgradeForm,
                         [this] { seen << QStringLiteral("settings"); });
        QObject::connect(&dispatcher, &ActionDispatcher::ShowIMsettingForm,
                         [this] { seen << QStringLiteral("connection settings"); });
    }
};

struct ActionCase {
    const char *task;
    const char *para;
    QStringList expected;
};

TEST(ActionDispatcher, ClassifiesActionTexts) {
    const ActionCase cases[] = {
        {"lamp.tsk", "", {QStringLiteral("tcp: lamp.tsk?val=")}},
        {"fan.tsk?s=[Val]", "1&bt=2&name=Fan", {QStringLiteral("tcp: fan.tsk?s=1&bt=2&name=Fan")}},
        {"fan.tsk", "0&bt=2&name=Fan", {QStringLiteral("tcp: fan.tsk?val=0&bt=2&name=Fan")}},
        {"_ENG=1;Inc(a)&#x0D;&#x0A;x.ui",
         "p",
         {QStringLiteral("script: _ENG=1;Inc(a)\r\nx.ui | p")}},
        {"sub\\page2.ui", "", {QStringLiteral("page: /proj/sub/page2.ui")}},
        {"a.ui.tsk", "", {QStringLiteral("page: /proj/a.ui.tsk")}},
        {".ui", "", {}},
        {".uixx.tsk", "", {QStringLiteral("tcp: .uixx.tsk?val=")}},
        {"@ShowDownloadForm", "", {QStringLiteral("settings")}},
        {"x@ShowConnectForm", "", {QStringLiteral("connection settings")}},
        {"hello", "", {}},
        {"", "", {}},
    };
    for (const ActionCase &c : cases) {
        Recorder r;
        r.dispatcher.DoButtonAction(QString::fromUtf8(c.task), QString::fromUtf8(c.para));
        EXPECT_EQ(r.seen, c.expected) << c.task;
    }
}

struct RouteCase {
    int mode;
    bool linkUp;
    bool chatUp;
    QStringList expected;
};

TEST(ActionDispatcher, RoutesTasksByConnectionMode) {
    const QString tcp = QStringLiteral("tcp: t.tsk?val=1");
    const QString chat = QStringLiteral("chat: t.tsk?val=1");
    const RouteCase cases[] = {
        {0, false, false, {tcp}}, {0, true, true, {tcp}},   {0, false, true, {chat}},
        {1, false, true, {tcp}},  {2, true, false, {chat}}, {3, false, false, {tcp, chat}},
    };
    for (const RouteCase &c : cases) {
        Recorder r;
        r.mode = c.mode;
        r.linkUp = c.linkUp;
        r.chatUp = c.chatUp;
        r.dispatcher.DoButtonAction(QStringLiteral("t.tsk"), QStringLiteral("1"));
        EXPECT_EQ(r.seen, c.expected) << c.mode << c.linkUp << c.chatUp;
    }
}

TEST(ActionDispatcher, TasksAreNotedInTheStatusLineOnlyWithDebugData) {
    Recorder r;
    QSignalSpy notes(&r.dispatcher, &ActionDispatcher::debugLog);
    r.dispatcher.DoButtonAction(QStringLiteral("a.tsk"), QString());
    EXPECT_EQ(notes.count(), 0);
    r.dispatcher.setShowDebugData(true);
    r.dispatcher.DoButtonAction(QStringLiteral("a.tsk"), QString());
    ASSERT_EQ(notes.count(), 1);
    EXPECT_EQ(notes.at(0).at(0).toString(), QStringLiteral("a.tsk?val="));
    EXPECT_EQ(notes.at(0).at(1).toInt(), 2);
}

} // namespace
