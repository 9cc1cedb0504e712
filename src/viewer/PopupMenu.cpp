#include "viewer/PopupMenu.h"

#include "platform/win32/WideText.h"
#include "viewer/OsError.h"
#include "viewer/unMain.h"

namespace dd {
namespace {

// Which views an item belongs to.
enum Views : unsigned { kDictionary = 1, kTable = 2, kBoth = kDictionary | kTable };

struct MenuCommand {
    PopupMenu2Item id;
    const char* caption;  // Windows-1251
    unsigned views;
    // The handler, with the cell the menu was opened on, which the commands on the whole table ignore.
    void (*run)(TfmMain& form, GridCell cell);
    // Whether the item can be chosen now; none: always.
    bool (*enabled)(const TfmMain& form) = nullptr;
};

// One row per command, in the menu's order: adding a command touches its row and its handler.
constexpr MenuCommand kCommands[] = {
    // Копировать ячейку
    {N3, "\xCA\xEE\xEF\xE8\xF0\xEE\xE2\xE0\xF2\xFC \xFF\xF7\xE5\xE9\xEA\xF3", kBoth,
     [](TfmMain& form, GridCell cell) { form.N3Click(cell); }},
    // Копировать строку
    {N6, "\xCA\xEE\xEF\xE8\xF0\xEE\xE2\xE0\xF2\xFC \xF1\xF2\xF0\xEE\xEA\xF3", kBoth,
     [](TfmMain& form, GridCell cell) { form.N6Click(cell); }},
    // Печать
    {N4, "\xCF\xE5\xF7\xE0\xF2\xFC", kDictionary, [](TfmMain& form, GridCell) { form.N4Click(); }},
    // Сохранить в файл
    {N1, "\xD1\xEE\xF5\xF0\xE0\xED\xE8\xF2\xFC \xE2 \xF4\xE0\xE9\xEB", kDictionary,
     [](TfmMain& form, GridCell) { form.N1Click(); }},
    // Сохранить как CSV
    {N7, "\xD1\xEE\xF5\xF0\xE0\xED\xE8\xF2\xFC \xEA\xE0\xEA CSV", kTable,
     [](TfmMain& form, GridCell) { form.N7Click(); }},
    // Открыть данные
    {N8, "\xCE\xF2\xEA\xF0\xFB\xF2\xFC \xE4\xE0\xED\xED\xFB\xE5", kDictionary,
     [](TfmMain& form, GridCell) { form.N8Click(); },
     [](const TfmMain& form) { return form.CanOpenSelectedTableData(); }},
    // Закрыть
    {N5, "\xC7\xE0\xEA\xF0\xFB\xF2\xFC", kBoth, [](TfmMain& form, GridCell) { form.N5Click(); }},
};

unsigned ViewOf(const TfmMain& form) noexcept { return form.ShowsTable() ? kTable : kDictionary; }

}  // namespace

UINT PopupMenu::Popup(HWND owner, POINT screenPoint, const TfmMain& form) {
    const UniqueMenu menu(CreatePopupMenu());
    if (!menu) throw LastOsError();
    const unsigned view = ViewOf(form);
    for (const MenuCommand& command : kCommands) {
        if ((command.views & view) == 0) continue;
        const UINT state = command.enabled == nullptr || command.enabled(form) ? MF_ENABLED : MF_GRAYED;
        if (!AppendMenuW(menu.get(), MF_STRING | state, command.id, WideFromCp1251(command.caption).c_str()))
            throw LastOsError();
    }
    return static_cast<UINT>(TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                            screenPoint.x, screenPoint.y, 0, owner, nullptr));
}

void PopupMenu::RunCommand(UINT command, TfmMain& form, GridCell cell) {
    for (const MenuCommand& row : kCommands) {
        if (row.id == command && (row.views & ViewOf(form)) != 0) return row.run(form, cell);
    }
}

}  // namespace dd
