#include "KeyCommands.h"

KeyCommand keyCommandFor(int qtKey, Qt::KeyboardModifiers modifiers) {
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return modifiers.testFlag(Qt::ControlModifier) ? KeyCommand::DimAndShowSettings
                                                       : KeyCommand::None;
    case Qt::Key_F1:
        return KeyCommand::DimAndShowSettings;
    case Qt::Key_Alt:
        return KeyCommand::ToggleSettings;
    case Qt::Key_Escape:
        return KeyCommand::Close;
    case Qt::Key_E:
    case Qt::Key_F2:
        return KeyCommand::ShowConnectSettings;
    case Qt::Key_F11:
        return KeyCommand::ToggleFixedScreen;
    case Qt::Key_Back:
        return KeyCommand::GoBack;
    default:
        return KeyCommand::None;
    }
}

bool shouldGoBack(const QString &lastUIPage) {
    return lastUIPage.length() > 3;
}
