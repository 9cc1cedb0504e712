// The grid's answers to its query messages, for whatever holds only its window handle.
#include "viewer/GridMessages.h"

#include <algorithm>
#include <cstring>
#include <cwchar>

#include "platform/win32/WideText.h"
#include "viewer/StringGrid.h"

namespace dd {

LRESULT StringGrid::HandleQuery(UINT message, WPARAM wParam, LPARAM lParam) const {
    switch (message) {
        case grid::kGetRowCount:
            return source_->RowCount();
        case grid::kGetFixedRows:
            return source_->FixedRows();
        case grid::kGetColumnCount:
            return source_->ColumnCount();
        case grid::kGetColumnWidth:
            return wParam < columns_.widths.size() ? columns_.widths[wParam] : 0;
        case grid::kGetCurrentColumn:
            return source_->Current().column;
        case grid::kGetCurrentRow:
            return source_->Current().row;
        case grid::kGetTopRow:
            return source_->TopRow();
        case grid::kGetCellText: {
            auto* request = reinterpret_cast<grid::CellText*>(lParam);
            if (request == nullptr) return 0;
            const std::string_view text = source_->Cell(request->column, request->row);
            if (request->buffer != nullptr && request->bufferSize > 0) {
                const size_t count = std::min(text.size(), static_cast<size_t>(request->bufferSize) - 1);
                std::memcpy(request->buffer, text.data(), count);
                request->buffer[count] = '\0';
            }
            return static_cast<LRESULT>(text.size());
        }
        case grid::kGetCellTextW: {
            auto* request = reinterpret_cast<grid::CellTextW*>(lParam);
            if (request == nullptr) return 0;
            const std::wstring text = WideFromCp1251(source_->Cell(request->column, request->row));
            if (request->buffer != nullptr && request->bufferSize > 0) {
                const size_t count = std::min(text.size(), static_cast<size_t>(request->bufferSize) - 1);
                std::wmemcpy(request->buffer, text.data(), count);
                request->buffer[count] = L'\0';
            }
            return static_cast<LRESULT>(text.size());
        }
        case grid::kGetSelection: {
            auto* rect = reinterpret_cast<RECT*>(lParam);
            if (rect == nullptr) return 0;
            const GridRange range = source_->Selection();
            *rect = {range.left, range.top, range.right, range.bottom};
            return 1;
        }
        default:
            return 0;
    }
}

}  // namespace dd
