// The main window's menu items and tool buttons, in one table both are built from.

#pragma once

#include <QKeySequence>

class QMenu;

#include <span>

#include "mainwindow/qt/ToolBarIcons.h"

namespace lm {

class MainForm;

// When an item, and its tool button, can be used; the window applies the rules after
// every command that changes what they read.
enum class EnabledRule {
    Always,
    WithScreenData,       // greyed while the screen data are off
    WithoutScreenData,    // only while they are off: then the one way to pan and zoom
    WithRefPoints,        // greyed until the reference points are on
    ShownWithScreenData,  // hidden, not greyed, while the screen data are off
};

struct ToolButtonLook {
    int order = 0;  // place on the tool bar counting from 1; 0: no button
    ToolPicture picture{};
    const char* hint = nullptr;
    bool startsGroup = false;  // a separator stands before it
};

struct MainCommand {
    // Object name of the menu it stands in; nullptr: straight on the menu bar.
    const char* menu = nullptr;
    // The action's object name, by which tests and the window find it.
    const char* name = nullptr;
    // With the access key after '&'.
    const char* caption = nullptr;
    void (MainForm::*run)() = nullptr;
    EnabledRule enabled = EnabledRule::Always;
    QKeySequence::StandardKey shortcut = QKeySequence::UnknownKey;
    ToolButtonLook tool{};
    bool separatorBefore = false;
    // A submenu instead of an item, filled by this each time it opens (then `run` is
    // null).
    void (MainForm::*fill)(QMenu*) = nullptr;
};

struct MainMenuEntry {
    const char* name;
    const char* caption;
};

// The menus, in no particular order: the bar shows them where their first item stands.
std::span<const MainMenuEntry> MainMenus();

// The items in the order the menu bar and its menus show them.
std::span<const MainCommand> MainCommands();

}  // namespace lm
