#include "runtime/PageObject.h"
#include "runtime/TrichRect.h"
#include "runtime/TrichSwitch.h"

#include "page/PageDocument.h"
#include "page/PageSettings.h"

#include <gtest/gtest.h>

#include <functional>

using draw::AllSides;
using draw::SideBottom;
using draw::SideLeft;
using draw::SideRight;
using draw::SideTop;

namespace {

constexpr uint32_t white = 0xFFFFFFFF;
constexpr int elementId = 1;

// A page whose only object, XML id 1, is the given element.
std::unique_ptr<page::PageDocument> pageWith(const QString &element) {
    auto doc = std::make_unique<page::PageDocument>();
    const bool loaded =
        doc->loadFromText(QStringLiteral("<data><setting/>") + element + QStringLiteral("</data>"),
                          QStringLiteral("test.ui"));
    EXPECT_TRUE(loaded) << doc->errorString().toStdString();
    return doc;
}

void applyRect(TrichRect &rect, const char *element) {
    rect.SetRichRectAttr(*pageWith(QString::fromUtf8(element)), elementId);
}

void applySwitch(TrichSwitch &toggle, const char *element) {
    toggle.SetRichSwitchAttr(*pageWith(QString::fromUtf8(element)), elementId);
}

std::string str(const QString &text) {
    return text.toStdString();
}

} // namespace

TEST(RichRectTest, AttributesAndTheirDefaults) {
    const struct {
        const char *what;
        const char *element;
        std::function<void(const TrichRect &)> expect;
    } cases[] = {
        {"no attributes", "<richRect/>",
         [](const TrichRect &r) {
             const draw::RichRectLook &l = r.look();
             EXPECT_EQ(l.fillColour, white);
             EXPECT_FALSE(l.gradientEnd);
             EXPECT_EQ(r.usrFillColor1, white);
             EXPECT_EQ(l.radius, 0);
             EXPECT_EQ(l.borderWidth, 0);
             EXPECT_EQ(l.borderColour, 0u);
             EXPECT_EQ(l.sides, AllSides);
             EXPECT_EQ(r.EffectWidth(), 0);
             EXPECT_FALSE(l.glowOn);
             EXPECT_EQ(l.caption.pixelSize, 20);
             EXPECT_EQ(l.caption.colour, white);
             EXPECT_EQ(r.Alpha1, 100);
             EXPECT_EQ(r.Alpha2, 50);
             EXPECT_EQ(r.opacity(), 1);
             EXPECT_EQ(r.ButtonType, 0);
             EXPECT_TRUE(r.isTouchable());
         }},
        {"solid: no Color2", R"(<richRect Color="-16776961"/>)",
         [](const TrichRect &r) {
             EXPECT_EQ(r.look().fillColour, 0xFF0000FFu);
             EXPECT_FALSE(r.look().gradientEnd);
             EXPECT_EQ(r.usrFillColor1, white);
         }},
        {"solid: empty Color2", R"(<richRect Color="-16776961" Color2=""/>)",
         [](const TrichRect &r) { EXPECT_FALSE(r.look().gradientEnd); }},
        {"gradient", R"(<richRect Color="-16776961" Color2="-65536"/>)",
         [](const TrichRect &r) {
             EXPECT_EQ(r.look().fillColour, 0xFF0000FFu);
             EXPECT_EQ(r.look().gradientEnd, 0xFFFF0000u);
             EXPECT_EQ(r.usrFillColor1, 0xFFFF0000u);
         }},
        {"shape and border", R"(<richRect Round="8" bdSize="2" Color3="-16777216"/>)",
         [](const TrichRect &r) {
             EXPECT_EQ(r.look().radius, 8);
             EXPECT_EQ(r.look().borderWidth, 2);
             EXPECT_EQ(r.look().borderColour, 0xFF000000u);
         }},
        {"button with a glow: prepared but off", R"(<richRect Soft="30" type="1" Color4="-256"/>)",
         [](const TrichRect &r) {
             EXPECT_EQ(r.EffectWidth(), 30);
             EXPECT_EQ(r.look().glowSoftness, 3);
             EXPECT_EQ(r.look().glowColour, 0xFFFFFF00u);
             EXPECT_FALSE(r.look().glowOn);
         }},
        {"static with a glow: always on", R"(<richRect Soft="30" type="0"/>)",
         [](const TrichRect &r) { EXPECT_TRUE(r.look().glowOn); }},
        {"decoration with a glow: on", R"(<richRect Soft="10" type="-1"/>)",
         [](const TrichRect &r) {
             EXPECT_TRUE(r.look().glowOn);
             EXPECT_FALSE(r.isTouchable());
             EXPECT_EQ(r.acceptedMouseButtons(), Qt::NoButton);
         }},
        {"negative glow width: none", R"(<richRect Soft="-4"/>)",
         [](const TrichRect &r) { EXPECT_EQ(r.EffectWidth(), 0); }},
        {"caption and opacity",
         R"(<richRect Size="14" txtColor="-16777216" Family="Serif" Alpha="80" Alpha2="30"/>)",
         [](const TrichRect &r) {
             EXPECT_EQ(r.look().caption.pixelSize, 14);
             EXPECT_EQ(r.look().caption.colour, 0xFF000000u);
             EXPECT_EQ(str(r.look().caption.family), "Serif");
             EXPECT_EQ(r.Alpha1, 80);
             EXPECT_DOUBLE_EQ(r.opacity(), 0.8);
             EXPECT_EQ(r.Alpha2, 30);
         }},
        {"single action",
         R"(<richRect Task="a.tsk" LocTask="_ENG=1;x" NextUI="b.ui" onDown="c.tsk" FlashSytle="s"/>)",
         [](const TrichRect &r) {
             EXPECT_EQ(str(r.Task), "a.tsk");
             EXPECT_EQ(str(r.LocTask), "_ENG=1;x");
             EXPECT_FALSE(r.isMutiTask);
             EXPECT_TRUE(r.NextUI.isEmpty());
             EXPECT_TRUE(r.onDownTask.isEmpty());
             EXPECT_TRUE(r.FlashSytle.isEmpty());
         }},
        {"multi-action",
         R"(<richRect isMutiTask="true" NextUI="b.ui" onDown="c.tsk" FlashSytle="s"/>)",
         [](const TrichRect &r) {
             EXPECT_TRUE(r.isMutiTask);
             EXPECT_EQ(str(r.NextUI), "b.ui");
             EXPECT_EQ(str(r.onDownTask), "c.tsk");
             EXPECT_EQ(str(r.FlashSytle), "s");
         }},
        {"multi-action flag is exact", R"(<richRect isMutiTask="TRUE" NextUI="b.ui"/>)",
         [](const TrichRect &r) { EXPECT_FALSE(r.isMutiTask); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        TrichRect rect;
        applyRect(rect, c.element);
        c.expect(rect);
    }
}

TEST(RichRectTest, SidesByNumberAndUnknownNumbersKeepThem) {
    const struct {
        int id;
        unsigned sides;
    } cases[] = {
        {0, AllSides},
        {1, SideBottom},
        {2, SideRight},
        {3, SideTop | SideBottom},
        {4, SideLeft | SideRight},
        {5, SideLeft | SideBottom},
        {6, SideTop | SideRight},
        {7, SideBottom},
        {-1, SideBottom},
    };
    for (const auto &c : cases) {
        TrichRect rect;
        rect.SetRectSides(1);
        rect.SetRectSides(c.id);
        EXPECT_EQ(rect.look().sides, c.sides) << "Sides " << c.id;
    }
    TrichRect fresh;
    applyRect(fresh, R"(<richRect Sides="7"/>)");
    EXPECT_EQ(fresh.look().sides, AllSides);
}

TEST(RichRectTest, PressedLookGlowsOrFadesWhileHeld) {
    const struct {
        const char *what;
        const char *element;
        bool glowHeld;
        double opacityHeld;
        bool glowReleased;
        double opacityReleased;
    } cases[] = {
        {"button with a glow", R"(<richRect type="1" Soft="30"/>)", true, 1, false, 1},
        {"static with a glow", R"(<richRect type="0" Soft="30"/>)", true, 1, true, 1},
        {"button without a glow", R"(<richRect type="1" Alpha="90" Alpha2="40"/>)", false, 0.4,
         false, 0.9},
        {"decoration", R"(<richRect type="-1" Alpha2="40"/>)", false, 1, false, 1},
    };
    for (const auto &c : cases) {
        TrichRect rect;
        applyRect(rect, c.element);
        rect.setPressedLook(true);
        EXPECT_EQ(rect.look().glowOn, c.glowHeld) << c.what;
        EXPECT_DOUBLE_EQ(rect.opacity(), c.opacityHeld) << c.what;
        rect.setPressedLook(false);
        EXPECT_EQ(rect.look().glowOn, c.glowReleased) << c.what;
        EXPECT_DOUBLE_EQ(rect.opacity(), c.opacityReleased) << c.what;
    }
}

TEST(RichRectTest, ChangeOneAspect) {
    const uint32_t from = 0xFF112233, to = 0xFF445566, glow = 0xFF00FF00;
    const struct {
        const char *what;
        int cType;
        uint32_t val1, val2;
        int val3;
        uint32_t val4;
        std::function<void(const draw::RichRectLook &)> expect;
    } cases[] = {
        {"fill and glow", 0, from, to, 15, glow,
         [&](const draw::RichRectLook &l) {
             EXPECT_EQ(l.fillColour, from);
             EXPECT_EQ(l.gradientEnd, to);
             EXPECT_TRUE(l.glowOn);
             EXPECT_EQ(l.glowWidth, 15);
             EXPECT_EQ(l.glowSoftness, 1.5);
             EXPECT_EQ(l.glowColour, glow);
         }},
        {"fill, no glow width removes the glow", 0, from, to, 0, glow,
         [&](const draw::RichRectLook &l) {
             EXPECT_EQ(l.gradientEnd, to);
             EXPECT_FALSE(l.glowOn);
             EXPECT_EQ(l.glowWidth, 0);
         }},
        {"fill only", 1, from, to, 0, 0,
         [&](const draw::RichRectLook &l) {
             EXPECT_EQ(l.fillColour, from);
             EXPECT_EQ(l.gradientEnd, to);
             EXPECT_TRUE(l.glowOn);
             EXPECT_EQ(l.glowWidth, 20);
         }},
        {"glow", 2, 8, glow, 0, 0,
         [&](const draw::RichRectLook &l) {
             EXPECT_TRUE(l.glowOn);
             EXPECT_EQ(l.glowWidth, 8);
             EXPECT_EQ(l.glowColour, glow);
             EXPECT_FALSE(l.gradientEnd);
         }},
        {"glow off", 2, uint32_t(-3), glow, 0, 0,
         [&](const draw::RichRectLook &l) {
             EXPECT_FALSE(l.glowOn);
             EXPECT_EQ(l.glowWidth, 0);
         }},
        {"border colour", 3, from, 0, 0, 0,
         [&](const draw::RichRectLook &l) { EXPECT_EQ(l.borderColour, from); }},
        {"border width", 4, 5, 0, 0, 0,
         [&](const draw::RichRectLook &l) { EXPECT_EQ(l.borderWidth, 5); }},
        {"unknown", 5, from, to, 9, glow,
         [&](const draw::RichRectLook &l) {
             EXPECT_FALSE(l.gradientEnd);
             EXPECT_EQ(l.glowWidth, 20);
             EXPECT_EQ(l.borderColour, 0u);
         }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        TrichRect rect;
        applyRect(rect, R"(<richRect type="0" Soft="20"/>)");
        rect.ChangeRichRectArrt(c.cType, c.val1, c.val2, c.val3, c.val4);
        c.expect(rect.look());
    }
}

TEST(RichRectTest, PageColour) {
    const struct {
        const char *settings;
        uint32_t fill;
        std::optional<uint32_t> gradientEnd;
    } cases[] = {
        {"<setting/>", 0, std::nullopt},
        {R"(<setting Color="-16777216"/>)", 0xFF000000, std::nullopt},
        {R"(<setting Color="dark"/>)", white, std::nullopt},
        {R"(<setting Color="-16777216" Color1=""/>)", 0xFF000000, std::nullopt},
        {R"(<setting Color="-16777216" Color1="-65536"/>)", 0xFF000000, 0xFFFF0000},
    };
    for (const auto &c : cases) {
        page::PageDocument doc;
        ASSERT_TRUE(
            doc.loadFromText(QStringLiteral("<data>%1</data>").arg(QLatin1String(c.settings)),
                             QStringLiteral("bg.ui")));
        TrichRect rect;
        applyRect(rect, R"(<richRect Round="9" bdSize="3"/>)");
        rect.SetRichRectBGcolor(page::PageSettings::read(doc));
        EXPECT_EQ(rect.look().fillColour, c.fill) << c.settings;
        EXPECT_EQ(rect.look().gradientEnd, c.gradientEnd) << c.settings;
        EXPECT_EQ(rect.look().radius, 0) << c.settings;
        EXPECT_EQ(rect.look().borderWidth, 0) << c.settings;
    }
}

TEST(RichRectTest, PaintsItsGlowOutsideButIsTouchedOnlyInside) {
    TrichRect rect;
    EXPECT_EQ(objectKind(&rect), ObjectKind::TrichRect);
    rect.setSize(QSizeF(100, 40));
    applyRect(rect, R"(<richRect Soft="10"/>)");
    const qreal margin = draw::glowMargin(rect.look());
    EXPECT_GE(margin, 10);
    EXPECT_EQ(rect.boundingRect(), QRectF(-margin, -margin, 100 + 2 * margin, 40 + 2 * margin));
    EXPECT_EQ(rect.shape().boundingRect(), QRectF(0, 0, 100, 40));
    rect.setText(QStringLiteral("Start"));
    EXPECT_EQ(str(rect.text()), "Start");
}

TEST(RichSwitchTest, CreatedWithItsOwnColours) {
    TrichSwitch toggle;
    EXPECT_EQ(objectKind(&toggle), ObjectKind::TrichSwitch);
    EXPECT_EQ(toggle.SwtichButtonColor, white);
    EXPECT_EQ(toggle.SwtichOffColor, 0xFF828282u);
    EXPECT_EQ(toggle.SwtichOnColor, 0xFF338FFFu);
    EXPECT_FALSE(toggle.switch_is_on());
    EXPECT_EQ(toggle.ButtonType, 1);
    EXPECT_TRUE(toggle.isTouchable());
    EXPECT_EQ(toggle.look().caption.pixelSize, 12);
    EXPECT_EQ(toggle.look().caption.colour, 0xFF000000u);
}

TEST(RichSwitchTest, TextSetsBothCaptionsOnlyWithABar) {
    const struct {
        const char *what;
        const char *earlier; // text given before, nullptr for a new switch
        const char *text;
        bool on;
        const char *onText, *offText, *caption;
    } cases[] = {
        {"new switch without a bar", nullptr, "ON", false, "", "", ""},
        {"off shows the off text", nullptr, "运行|停止", false, "运行", "停止", "停止"},
        {"on shows the on text", nullptr, "运行|停止", true, "运行", "停止", "运行"},
        {"only the first bar splits", nullptr, "a|b|c", false, "a", "b|c", "b|c"},
        {"reused switch keeps its captions", "开|关", "1", true, "开", "关", "开"},
    };
    for (const auto &c : cases) {
        TrichSwitch toggle;
        toggle.setIsPressed(c.on);
        if (c.earlier)
            toggle.setText(QString::fromUtf8(c.earlier));
        toggle.setText(QString::fromUtf8(c.text));
        EXPECT_EQ(str(toggle.SwtichFullText), c.text) << c.what;
        EXPECT_EQ(str(toggle.SwtichOnText), c.onText) << c.what;
        EXPECT_EQ(str(toggle.SwtichOffText), c.offText) << c.what;
        EXPECT_EQ(str(toggle.caption()), c.caption) << c.what;
    }
}

TEST(RichSwitchTest, KnobLayoutAndStateLook) {
    TrichSwitch toggle;
    toggle.setText(QStringLiteral("I|O"));
    toggle.setSize(QSizeF(100, 40));
    toggle.refreshSize();
    EXPECT_EQ(toggle.knobRect(), QRectF(4, 2, 56, 36));
    EXPECT_EQ(toggle.look().bodyColour, toggle.SwtichOffColor);
    EXPECT_EQ(toggle.look().knobColour, toggle.SwtichButtonColor);

    toggle.setIsPressed(true);
    EXPECT_EQ(toggle.knobRect(), QRectF(40, 2, 56, 36));
    EXPECT_EQ(toggle.look().bodyColour, toggle.SwtichOnColor);
    EXPECT_EQ(str(toggle.caption()), "I");

    // Laying out again shows the off look but leaves the state to the caller.
    toggle.refreshSize();
    EXPECT_TRUE(toggle.switch_is_on());
    EXPECT_EQ(toggle.knobRect(), QRectF(4, 2, 56, 36));
    EXPECT_EQ(str(toggle.caption()), "O");

    toggle.setIsPressed(false);
    EXPECT_EQ(toggle.knobRect(), QRectF(4, 2, 56, 36));
    EXPECT_EQ(toggle.look().bodyColour, toggle.SwtichOffColor);
}

TEST(RichSwitchTest, AttributesAndTheirDefaults) {
    const struct {
        const char *what;
        const char *element;
        std::function<void(const TrichSwitch &)> expect;
    } cases[] = {
        {"no attributes", "<richSwitch/>",
         [](const TrichSwitch &s) {
             EXPECT_EQ(s.SwtichOffColor, 0u);
             EXPECT_EQ(s.SwtichOnColor, 0u);
             EXPECT_EQ(s.SwtichButtonColor, 0u);
             EXPECT_EQ(s.look().radius, 0);
             EXPECT_EQ(s.look().caption.pixelSize, 0);
             EXPECT_EQ(s.look().caption.colour, white);
             EXPECT_FALSE(s.switch_is_on());
             EXPECT_EQ(s.ButtonType, 0);
             EXPECT_TRUE(s.isTouchable());
         }},
        {"colours and shape",
         R"(<richSwitch Color="-1" Color2="-16776961" Color3="-16777216" Round="10" Size="14"/>)",
         [](const TrichSwitch &s) {
             EXPECT_EQ(s.SwtichOffColor, white);
             EXPECT_EQ(s.SwtichOnColor, 0xFF0000FFu);
             EXPECT_EQ(s.SwtichButtonColor, 0xFF000000u);
             EXPECT_EQ(s.look().radius, 10);
             EXPECT_EQ(s.look().caption.pixelSize, 14);
         }},
        {"initially on", R"(<richSwitch isPressed="true"/>)",
         [](const TrichSwitch &s) { EXPECT_TRUE(s.switch_is_on()); }},
        {"on flag is exact", R"(<richSwitch isPressed="True"/>)",
         [](const TrichSwitch &s) { EXPECT_FALSE(s.switch_is_on()); }},
        {"on action without multi-action",
         R"(<richSwitch Task="off.tsk" onDown="on.tsk" NextUI="b.ui"/>)",
         [](const TrichSwitch &s) {
             EXPECT_EQ(str(s.Task), "off.tsk");
             EXPECT_EQ(str(s.onDownTask), "on.tsk");
             EXPECT_TRUE(s.NextUI.isEmpty());
         }},
        {"multi-action", R"(<richSwitch isMutiTask="true" NextUI="b.ui" FlashSytle="s"/>)",
         [](const TrichSwitch &s) {
             EXPECT_EQ(str(s.NextUI), "b.ui");
             EXPECT_EQ(str(s.FlashSytle), "s");
         }},
        {"not touchable", R"(<richSwitch type="-1"/>)",
         [](const TrichSwitch &s) {
             EXPECT_FALSE(s.isTouchable());
             EXPECT_EQ(s.acceptedMouseButtons(), Qt::NoButton);
         }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        TrichSwitch toggle;
        toggle.isMutiSelect = true;
        applySwitch(toggle, c.element);
        EXPECT_FALSE(toggle.isMutiSelect);
        c.expect(toggle);
    }
}

TEST(RichSwitchTest, ParameterString) {
    const struct {
        bool on;
        const char *element;
        const char *name;
        const char *para;
    } cases[] = {
        {true, R"(<richSwitch type="0"/>)", "Pump", "1&bt=0&name=Pump"},
        {false, R"(<richSwitch type="2"/>)", "", "0&bt=2&name="},
        {false, R"(<richSwitch/>)", "100%", "0&bt=0&name=100%"},
    };
    for (const auto &c : cases) {
        TrichSwitch toggle;
        applySwitch(toggle, c.element);
        toggle.setIsPressed(c.on);
        EXPECT_EQ(str(toggle.GetRichSwitchPara(QString::fromUtf8(c.name))), c.para);
    }
}
