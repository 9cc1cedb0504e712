#pragma once

#include <windows.h>

#include "dictionary/GridSource.h"
#include "viewer/WinHandles.h"

namespace dd {

class TfmMain;

// The command identifiers of the grid's context menu items, sent to the viewer window as WM_COMMAND.
// Named here for those that send them (the tests); each one's row in the command table
// (PopupMenu.cpp) gives its caption, the views it belongs to and its handler.
enum PopupMenu2Item : UINT {
    N1 = 0x101,  // "Сохранить в файл"
    N3 = 0x103,  // "Копировать ячейку"
    N4 = 0x104,  // "Печать"
    N5 = 0x105,  // "Закрыть"
    N6 = 0x106,  // "Копировать строку"
    N7 = 0x107,  // "Сохранить как CSV": a base's table, in the data view
    N8 = 0x108,  // "Открыть данные": the selected table's rows
};

// The grid's context menu. Over a dictionary's field grid: copy cell, copy row, print, save to file, open the
// table's rows (greyed where its file is not beside the dictionary), close; over a base's table: copy cell, copy
// row, save as CSV, close. No shortcut keys. Its items and their handlers come from one command table.
class PopupMenu {
public:
    // Shows the menu of the view the form shows at a screen point, owned by the window, until the user chooses
    // an item or leaves it; answers the chosen item's command, 0 for none. The command is not sent as
    // WM_COMMAND: the caller runs it while it still knows what the menu was opened on.
    static UINT Popup(HWND owner, POINT screenPoint, const TfmMain& form);
    // Runs the handler of the command on the form, the copy commands on this cell; a command that the view
    // shown does not have does nothing.
    static void RunCommand(UINT command, TfmMain& form, GridCell cell);
};

}  // namespace dd
