#include "Commands.h"

#include "../dictionary/Dictionary.h"
#include "../dictionary/Error.h"
#include "../dictionary/FoldingTable.h"
#include "../dictionary/GridModel.h"
#include "../dictionary/TableFieldView.h"
#include "../dictionary/TableListModel.h"
#include "../viewer/outputs/ExportText.h"

namespace dd::cli {
namespace {

// A dictionary opened as the viewer opens it: the first table shown.
struct OpenDictionary {
    Dictionary dictionary;
    TableListModel LB;
    GridModel SG;

    explicit OpenDictionary(const std::string& path) { LoadDictionary(dictionary, path, LB, SG); }

    // Shows the entry as a selection in the viewer's list does.
    void Show(int32_t entry) {
        if (entry < 0 || entry >= LB.EntryCount()) throw ListIndexError(entry);
        LB.SelectEntry(entry);
        LBClick(dictionary, LB, SG);
    }
};

void WriteCells(const GridModel& grid, int32_t row, TextOutput& out) {
    for (int column = 0; column < kGridColumns; ++column) out.Field(grid.Cell(column, row));
}

// Row 1 holds the identifier in column 0 beside a fixed wording; field rows are searched whole.
bool RowMatches(const GridModel& grid, int32_t row, const FoldedPattern& pattern) {
    const int columns = row == 1 ? 1 : kGridColumns;
    for (int column = 0; column < columns; ++column) {
        if (pattern.FoundIn(grid.Cell(column, row))) return true;
    }
    return false;
}

}  // namespace

void ListTables(const std::string& path, TextOutput& out) {
    const OpenDictionary open(path);
    for (int32_t entry = 0; entry < open.LB.EntryCount(); ++entry) {
        out.BeginLine();
        out.Number(entry);
        out.Field(open.LB.EntryText(entry));
        out.EndLine();
    }
}

void ShowTable(const std::string& path, int32_t entry, TextOutput& out) {
    OpenDictionary open(path);
    open.Show(entry);
    for (int32_t row = 0; row < open.SG.RowCount(); ++row) {
        out.BeginLine();
        WriteCells(open.SG, row, out);
        out.EndLine();
    }
}

void FindText(const std::string& path, const std::string& text, TextOutput& out) {
    OpenDictionary open(path);
    const FoldedPattern pattern(text, ProcessFoldingTable());
    if (pattern.Empty()) return;
    for (int32_t entry = 0; entry < open.LB.EntryCount(); ++entry) {
        open.Show(entry);
        const std::string description = open.LB.EntryText(entry);
        for (int32_t row = 1; row < open.SG.RowCount(); ++row) {
            if (!RowMatches(open.SG, row, pattern)) continue;
            out.BeginLine();
            out.Number(entry);
            out.Field(description);
            out.Number(row);
            WriteCells(open.SG, row, out);
            out.EndLine();
        }
    }
}

}  // namespace dd::cli

namespace dd::cli {

std::string ExportTable(const std::string& path, int32_t entry) {
    OpenDictionary open(path);
    open.Show(entry);
    return ExportFileBytes(open.dictionary.IsSqlDictionary, open.LB.EntryText(entry), open.SG);
}

}  // namespace dd::cli
