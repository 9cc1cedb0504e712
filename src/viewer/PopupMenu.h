#pragma once

#include <windows.h>

#include "viewer/WinHandles.h"

namespace dd {

// The command identifiers of the grid's context menu items, sent to the viewer window as WM_COMMAND.
enum PopupMenu2Item : UINT {
    N1 = 0x101,  // "Сохранить в файл"
    N3 = 0x103,  // "Копировать ячейку"
    N4 = 0x104,  // "Печать"
    N5 = 0x105,  // "Закрыть"
    N6 = 0x106,  // "Копировать строку"
};

// The grid's context menu: copy cell, copy row, print, save to file, close; no shortcut keys.
class PopupMenu {
public:
    PopupMenu();
    // Shows the menu at a screen point; the chosen item's command goes to the owner window.
    void Popup(HWND owner, POINT screenPoint) const;

private:
    UniqueMenu menu_;
};

}  // namespace dd
