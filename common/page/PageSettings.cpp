#include "page/PageSettings.h"

#include "page/PageDocument.h"
#include "page/PageNames.h"
#include "page/ValueForms.h"

namespace page {

namespace {

constexpr int settingsId = 0;
constexpr uint32_t unreadableColour = 0xFFFFFFFF;

} // namespace

PageSettings PageSettings::read(const PageDocument &doc) {
    namespace attr = names::attr;
    const auto text = [&doc](const char *name) { return doc.value(settingsId, name); };

    PageSettings s;
    s.src = text(attr::src);
    s.width = readInteger(text(attr::Width), s.width);
    s.height = readInteger(text(attr::Height), s.height);
    s.host = text(attr::Host);
    const QString stretch = text(attr::Stretch);
    s.stretch = stretch.isEmpty() || readFlagTrueAnyCase(stretch);
    s.bgAlpha = readInteger(text(attr::BGAlpha), s.bgAlpha);
    s.fillBlankBG = readFlagTrueAnyCase(text(attr::FillBlankBG));
    s.flashStyle = text(attr::FlashStyle);
    s.tag = readInteger(text(attr::tag), s.tag);
    s.clickSound = readFlagTrueAnyCase(text(attr::ClickSound));
    if (doc.hasAttribute(settingsId, attr::Color))
        s.color = readColour(text(attr::Color), unreadableColour);
    // An empty second colour means a solid page colour, not an unreadable one.
    const QString color1 = text(attr::Color1);
    if (!color1.isEmpty())
        s.color1 = readColour(color1, unreadableColour);
    return s;
}

} // namespace page
