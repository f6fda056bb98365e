#include "page/PageSettings.h"

#include "page/PageDocument.h"

#include <gtest/gtest.h>

#include <functional>

using namespace page;

namespace {

void expectSame(const PageSettings &a, const PageSettings &e, const char *what) {
    EXPECT_EQ(a.src.toStdString(), e.src.toStdString()) << what;
    EXPECT_EQ(a.width, e.width) << what;
    EXPECT_EQ(a.height, e.height) << what;
    EXPECT_EQ(a.host.toStdString(), e.host.toStdString()) << what;
    EXPECT_EQ(a.stretch, e.stretch) << what;
    EXPECT_EQ(a.bgAlpha, e.bgAlpha) << what;
    EXPECT_EQ(a.fillBlankBG, e.fillBlankBG) << what;
    EXPECT_EQ(a.flashStyle.toStdString(), e.flashStyle.toStdString()) << what;
    EXPECT_EQ(a.tag, e.tag) << what;
    EXPECT_EQ(a.clickSound, e.clickSound) << what;
    EXPECT_EQ(a.color, e.color) << what;
    EXPECT_EQ(a.color1, e.color1) << what;
}

} // namespace

TEST(PageSettingsTest, ChildZeroWithThePlayerDefaults) {
    const struct {
        const char *what;
        const char *page;
        std::function<void(PageSettings &)> expect;
    } cases[] = {
        {"no settings element", "<data/>", [](PageSettings &) {}},
        {"bare settings", "<data><setting/><Button/></data>", [](PageSettings &) {}},
        {"written by the designer",
         R"(<data><setting src="bg.png" Width="1024" Height="768" Host="192.168.20.1"
             Stretch="True" BG.Alpha="80" tag="3" Color="-16777216" Color1="-1"/></data>)",
         [](PageSettings &s) {
             s.src = QStringLiteral("bg.png");
             s.width = 1024;
             s.height = 768;
             s.host = QStringLiteral("192.168.20.1");
             s.bgAlpha = 80;
             s.tag = 3;
             s.color = 0xFF000000;
             s.color1 = 0xFFFFFFFF;
         }},
        {"child 0 whatever its name",
         R"(<data><page FillBlankBG="true" ClickSound="TRUE" FlashStyle="_ENG=1;"/></data>)",
         [](PageSettings &s) {
             s.fillBlankBG = true;
             s.clickSound = true;
             s.flashStyle = QStringLiteral("_ENG=1;");
         }},
        {"empty stretch", R"(<data><setting Stretch=""/></data>)", [](PageSettings &) {}},
        {"stretch off", R"(<data><setting Stretch="false"/></data>)",
         [](PageSettings &s) { s.stretch = false; }},
        {"unreadable numbers",
         R"(<data><setting Width="12.5" Height="" BG.Alpha="x" tag="1 "/></data>)",
         [](PageSettings &) {}},
        {"unreadable colour", R"(<data><setting Color="abc" Color1="4278190080"/></data>)",
         [](PageSettings &s) {
             s.color = 0xFFFFFFFF;
             s.color1 = 0xFFFFFFFF;
         }},
        {"empty colours", R"(<data><setting Color="" Color1=""/></data>)",
         [](PageSettings &s) { s.color = 0xFFFFFFFF; }},
        {"solid colour", R"(<data><setting Color="-65536"/></data>)",
         [](PageSettings &s) { s.color = 0xFFFF0000; }},
    };
    for (const auto &c : cases) {
        PageDocument doc;
        ASSERT_TRUE(doc.loadFromText(QString::fromUtf8(c.page), QString::fromUtf8(c.what)))
            << doc.errorString().toStdString();
        PageSettings expected;
        c.expect(expected);
        expectSame(PageSettings::read(doc), expected, c.what);
    }
}

TEST(PageSettingsTest, NoDocumentGivesTheDefaults) {
    expectSame(PageSettings::read(PageDocument()), PageSettings(), "empty document");
}
