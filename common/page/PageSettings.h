#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace page {

class PageDocument;

// Page settings (root child 0) with the player's defaults applied.
struct PageSettings {
    QString src;
    int32_t width = 1920;
    int32_t height = 1080;
    QString host;
    bool stretch = true;
    int32_t bgAlpha = 100;
    bool fillBlankBG = false;
    QString flashStyle;
    int32_t tag = 0;
    bool clickSound = false;
    // Page colour: absent means none; present but unreadable reads as -1 (white).
    std::optional<uint32_t> color;
    std::optional<uint32_t> color1;

    static PageSettings read(const PageDocument &doc);
};

} // namespace page
