#include "viewer/PopupMenu.h"

#include "platform/win32/WideText.h"
#include "viewer/OsError.h"
#include "viewer/unMain.h"

namespace dd {
namespace {

struct MenuCommand {
    PopupMenu2Item id;
    const char* caption;  // Windows-1251
    // The handler, with the cell the menu was opened on, which the commands on the whole table ignore.
    void (*run)(TfmMain& form, GridCell cell);
};

// One row per command, in the menu's order: adding a command touches its row and its handler.
constexpr MenuCommand kCommands[] = {
    // Копировать ячейку
    {N3, "\xCA\xEE\xEF\xE8\xF0\xEE\xE2\xE0\xF2\xFC \xFF\xF7\xE5\xE9\xEA\xF3",
     [](TfmMain& form, GridCell cell) { form.N3Click(cell); }},
    // Копировать строку
    {N6, "\xCA\xEE\xEF\xE8\xF0\xEE\xE2\xE0\xF2\xFC \xF1\xF2\xF0\xEE\xEA\xF3",
     [](TfmMain& form, GridCell cell) { form.N6Click(cell); }},
    // Печать
    {N4, "\xCF\xE5\xF7\xE0\xF2\xFC", [](TfmMain& form, GridCell) { form.N4Click(); }},
    // Сохранить в файл
    {N1, "\xD1\xEE\xF5\xF0\xE0\xED\xE8\xF2\xFC \xE2 \xF4\xE0\xE9\xEB", [](TfmMain& form, GridCell) { form.N1Click(); }},
    // Закрыть
    {N5, "\xC7\xE0\xEA\xF0\xFB\xF2\xFC", [](TfmMain& form, GridCell) { form.N5Click(); }},
};

}  // namespace

PopupMenu::PopupMenu() : menu_(CreatePopupMenu()) {
    if (!menu_) throw LastOsError();
    for (const MenuCommand& command : kCommands) {
        if (!AppendMenuW(menu_.get(), MF_STRING, command.id, WideFromCp1251(command.caption).c_str()))
            throw LastOsError();
    }
}

UINT PopupMenu::Popup(HWND owner, POINT screenPoint) const {
    return static_cast<UINT>(TrackPopupMenu(menu_.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                            screenPoint.x, screenPoint.y, 0, owner, nullptr));
}

void PopupMenu::RunCommand(UINT command, TfmMain& form, GridCell cell) {
    for (const MenuCommand& row : kCommands) {
        if (row.id == command) return row.run(form, cell);
    }
}

}  // namespace dd
