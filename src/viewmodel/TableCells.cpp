#include "viewmodel/TableCells.h"

#include <algorithm>

namespace dd {

ShownCell ShownValue(const DbfValue& value, std::string& scratch) {
    switch (value.Kind()) {
        case DbfValueKind::Null:
            return {};
        case DbfValueKind::Number:
            return {value.Text(), true};
        case DbfValueKind::Date: {
            const std::string_view iso = value.Text();  // YYYY-MM-DD
            scratch.assign(iso.substr(8, 2)).append(".").append(iso.substr(5, 2)).append(".").append(iso.substr(0, 4));
            return {scratch, false};
        }
        case DbfValueKind::Logical:
        case DbfValueKind::Text:
            break;
    }
    // A control character (a TAB inside a name) shows as a space, as it reads, not as the font's empty box.
    const std::string_view text = value.Text();
    const auto control = [](char c) { return static_cast<unsigned char>(c) < 0x20; };
    if (std::none_of(text.begin(), text.end(), control)) return {text, false};
    scratch.assign(text);
    std::replace_if(scratch.begin(), scratch.end(), control, ' ');
    return {scratch, false};
}

}  // namespace dd
