#pragma once

#include <QString>
#include <Qt>

// What a released key asks the player window to do.
enum class KeyCommand {
    None,
    DimAndShowSettings,
    ToggleSettings,
    Close,
    ShowConnectSettings,
    ToggleFixedScreen,
    GoBack,
};

KeyCommand keyCommandFor(int qtKey, Qt::KeyboardModifiers modifiers);

// The Back key loads the previous page only when there is a real path to it;
// the key is consumed either way.
bool shouldGoBack(const QString &lastUIPage);
