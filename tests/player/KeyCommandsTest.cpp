#include "runtime/KeyCommands.h"

#include <gtest/gtest.h>

TEST(KeyCommands, EachKeyOfTheTableHasItsCommand) {
    struct Case {
        const char *what;
        int key;
        Qt::KeyboardModifiers modifiers;
        KeyCommand expected;
    };
    const Case cases[] = {
        {"Ctrl+Return", Qt::Key_Return, Qt::ControlModifier, KeyCommand::DimAndShowSettings},
        {"Ctrl+keypad Enter", Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier,
         KeyCommand::DimAndShowSettings},
        {"Return", Qt::Key_Return, Qt::NoModifier, KeyCommand::None},
        {"Shift+Enter", Qt::Key_Enter, Qt::ShiftModifier, KeyCommand::None},
        {"F1", Qt::Key_F1, Qt::NoModifier, KeyCommand::DimAndShowSettings},
        {"Alt", Qt::Key_Alt, Qt::AltModifier, KeyCommand::ToggleSettings},
        {"Alt released", Qt::Key_Alt, Qt::NoModifier, KeyCommand::ToggleSettings},
        {"Esc", Qt::Key_Escape, Qt::NoModifier, KeyCommand::Close},
        {"e", Qt::Key_E, Qt::NoModifier, KeyCommand::ShowConnectSettings},
        {"E", Qt::Key_E, Qt::ShiftModifier, KeyCommand::ShowConnectSettings},
        {"F2", Qt::Key_F2, Qt::NoModifier, KeyCommand::ShowConnectSettings},
        {"F11", Qt::Key_F11, Qt::NoModifier, KeyCommand::ToggleFixedScreen},
        {"Back", Qt::Key_Back, Qt::NoModifier, KeyCommand::GoBack},
        {"F3", Qt::Key_F3, Qt::NoModifier, KeyCommand::None},
        {"Ctrl+A", Qt::Key_A, Qt::ControlModifier, KeyCommand::None},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(keyCommandFor(c.key, c.modifiers), c.expected);
    }
}

TEST(KeyCommands, BackLoadsThePreviousPageOnlyWhenItsPathIsLongerThanThree) {
    struct Case {
        QString lastUIPage;
        bool expected;
    };
    const Case cases[] = {
        {QString(), false},
        {QStringLiteral("a.u"), false},
        {QStringLiteral("a.ui"), true},
        {QStringLiteral("C:\\Panelo\\sdata\\index.ui"), true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.lastUIPage.toStdString());
        EXPECT_EQ(shouldGoBack(c.lastUIPage), c.expected);
    }
}
