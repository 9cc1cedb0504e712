#include "viewer/PopupMenu.h"

#include "platform/win32/WideText.h"
#include "viewer/OsError.h"
#include "viewer/unMain.h"

namespace dd {
namespace {

struct MenuCommand {
    PopupMenu2Item id;
    const char* caption;  // Windows-1251
    void (TfmMain::*handler)();
};

// One row per command, in the menu's order: adding a command touches its row and its handler.
constexpr MenuCommand kCommands[] = {
    // Копировать ячейку
    {N3, "\xCA\xEE\xEF\xE8\xF0\xEE\xE2\xE0\xF2\xFC \xFF\xF7\xE5\xE9\xEA\xF3", &TfmMain::N3Click},
    // Копировать строку
    {N6, "\xCA\xEE\xEF\xE8\xF0\xEE\xE2\xE0\xF2\xFC \xF1\xF2\xF0\xEE\xEA\xF3", &TfmMain::N6Click},
    // Печать
    {N4, "\xCF\xE5\xF7\xE0\xF2\xFC", &TfmMain::N4Click},
    // Сохранить в файл
    {N1, "\xD1\xEE\xF5\xF0\xE0\xED\xE8\xF2\xFC \xE2 \xF4\xE0\xE9\xEB", &TfmMain::N1Click},
    // Закрыть
    {N5, "\xC7\xE0\xEA\xF0\xFB\xF2\xFC", &TfmMain::N5Click},
};

}  // namespace

PopupMenu::PopupMenu() : menu_(CreatePopupMenu()) {
    if (!menu_) throw LastOsError();
    for (const MenuCommand& command : kCommands) {
        if (!AppendMenuW(menu_.get(), MF_STRING, command.id, WideFromCp1251(command.caption).c_str()))
            throw LastOsError();
    }
}

void PopupMenu::Popup(HWND owner, POINT screenPoint) const {
    TrackPopupMenu(menu_.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, 0, owner,
                   nullptr);
}

void PopupMenu::RunCommand(UINT command, TfmMain& form) {
    for (const MenuCommand& row : kCommands) {
        if (row.id == command) return (form.*row.handler)();
    }
}

}  // namespace dd
