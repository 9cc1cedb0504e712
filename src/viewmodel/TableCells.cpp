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
    const std::string_view text = value.Text();
    if (std::none_of(text.begin(), text.end(), ShowsAsSpace)) return {text, false};
    scratch.assign(text);
    std::replace_if(scratch.begin(), scratch.end(), ShowsAsSpace, ' ');
    return {scratch, false};
}

}  // namespace dd
