// The main window's menu shortcuts act whatever box has the focus: text widgets
// would otherwise claim Ctrl+C, Ctrl+V, Ctrl+Z … for themselves.
#pragma once

class QEvent;
class QObject;

namespace shortcuts {
// True for a ShortcutOverride of one of the main window's Ctrl shortcuts.
bool isMenuShortcut(const QEvent* e);
// Makes a widget leave those keys to the menus.
void yieldToMenus(QObject* widget);
} // namespace shortcuts
