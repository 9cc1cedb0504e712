#include "viewmodel/TableCells.h"

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
    return {value.Text(), false};
}

}  // namespace dd
