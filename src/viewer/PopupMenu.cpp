#include "viewer/PopupMenu.h"

#include "viewer/OsError.h"

namespace dd {
namespace {

struct MenuItem {
    PopupMenu2Item command;
    const char* caption;  // Windows-1251
};

constexpr MenuItem kItems[] = {
    {N3, "\xCA\xEE\xEF\xE8\xF0\xEE\xE2\xE0\xF2\xFC \xFF\xF7\xE5\xE9\xEA\xF3"},  // Копировать ячейку
    {N6, "\xCA\xEE\xEF\xE8\xF0\xEE\xE2\xE0\xF2\xFC \xF1\xF2\xF0\xEE\xEA\xF3"},  // Копировать строку
    {N4, "\xCF\xE5\xF7\xE0\xF2\xFC"},                                           // Печать
    {N1, "\xD1\xEE\xF5\xF0\xE0\xED\xE8\xF2\xFC \xE2 \xF4\xE0\xE9\xEB"},         // Сохранить в файл
    {N5, "\xC7\xE0\xEA\xF0\xFB\xF2\xFC"},                                       // Закрыть
};

}  // namespace

PopupMenu::PopupMenu() : menu_(CreatePopupMenu()) {
    if (!menu_) throw LastOsError();
    for (const MenuItem& item : kItems) {
        if (!AppendMenuA(menu_.get(), MF_STRING, item.command, item.caption)) throw LastOsError();
    }
}

void PopupMenu::Popup(HWND owner, POINT screenPoint) const {
    TrackPopupMenu(menu_.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, 0, owner,
                   nullptr);
}

}  // namespace dd
