#include "fuzz/DictionaryExercise.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <limits>
#include <variant>
#include <vector>

#include "dictionary/Cp1251.h"
#include "dictionary/Error.h"
#include "dictionary/LineScan.h"
#include "dictionary/TrimBlanks.h"
#include "fuzz/ReferenceDictionary.h"
#include "fuzz/StreamExercise.h"
#include "layout/ColumnWidths.h"
#include "outputs/ClipboardText.h"
#include "outputs/ExportText.h"
#include "outputs/OutputTitles.h"
#include "outputs/PrintFieldGridCommands.h"
#include "outputs/PrintPages.h"
#include "viewmodel/DictionaryView.h"

namespace dd::fuzz {

// Independently of the reader: the SQL edition: the file's own extension is .DDS, in any letter case.
bool IsSqlPath(std::string_view path) {
    const size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || path.find_first_of("/\\:", dot) != std::string_view::npos) return false;
    std::string extension(path.substr(dot));
    for (char& c : extension) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return extension == ".DDS";
}

namespace {

[[noreturn]] void Fail(const std::string& what) { throw ExerciseFailure(what); }

// The message is made only when the rule is broken: checks run in loops over every line and cell.
void Check(bool holds, std::string_view what) {
    if (!holds) Fail(std::string(what));
}

std::string ListError(long long index) { return "List index out of bounds (" + std::to_string(index) + ")"; }

std::string TableLabel(std::string_view path, int32_t entry) {
    return std::string(path) + " table " + std::to_string(entry) + ": ";
}

void CompareWithReference(const DictionaryView& view, const ReferenceDictionary& reference) {
    const LineBuffer& lines = view.Lines();
    const TableListModel& list = view.List();
    Check(lines.LineCount() == static_cast<int32_t>(reference.lines.size()),
          "the lines hold " + std::to_string(lines.LineCount()) + " lines, the byte-by-byte reading " +
              std::to_string(reference.lines.size()));
    for (int32_t i = 0; i < lines.LineCount(); ++i) {
        if (lines.LineAt(i) != reference.lines[static_cast<size_t>(i)]) Fail("line " + std::to_string(i) + " differs");
    }
    // Read from the end back, and leaping, so that every line is also reached from elsewhere than the one before.
    for (int32_t i = lines.LineCount() - 1; i >= 0; i -= 7) {
        if (lines.LineAt(i) != reference.lines[static_cast<size_t>(i)]) {
            Fail("line " + std::to_string(i) + " differs when read backwards");
        }
    }
    const int64_t count = lines.LineCount();
    for (int64_t k = 0; k < std::min<int64_t>(count, 256); ++k) {
        const auto i = static_cast<int32_t>((k * 7919) % count);
        if (lines.LineAt(i) != reference.lines[static_cast<size_t>(i)]) {
            Fail("line " + std::to_string(i) + " differs when reached by a leap");
        }
    }
    Check(lines.LineAt(-1).empty() && lines.LineAt(lines.LineCount()).empty(), "a line outside the lines is not empty");
    Check(list.EntryCount() == static_cast<int32_t>(reference.entries.size()), "the number of tables differs");
    for (int32_t i = 0; i < list.EntryCount(); ++i) {
        if (list.EntryText(i) != reference.entries[static_cast<size_t>(i)]) {
            Fail("the text of entry " + std::to_string(i) + " differs");
        }
        if (list.EntryTableLine(i) != reference.tableLines[static_cast<size_t>(i)]) {
            Fail("the table line of entry " + std::to_string(i) + " differs");
        }
    }
}

void CompareGrid(const GridModel& grid, const std::vector<ReferenceRow>& rows, const std::string& label) {
    Check(grid.RowCount() == static_cast<int32_t>(rows.size()),
          label + "the grid has " + std::to_string(grid.RowCount()) + " rows, the plain view " +
              std::to_string(rows.size()));
    Check(grid.FixedRows() == 0, label + "the grid keeps a fixed row");
    for (int32_t row = 0; row < grid.RowCount(); ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            if (grid.Cell(column, row) != rows[static_cast<size_t>(row)][static_cast<size_t>(column)]) {
                Fail(label + "cell (" + std::to_string(column) + ", " + std::to_string(row) + ") differs");
            }
        }
    }
}

size_t Occurrences(std::string_view text, std::string_view part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string_view::npos; at = text.find(part, at + part.size())) ++count;
    return count;
}

void CheckExport(const DictionaryView& view, int32_t entry, const std::string& label) {
    const GridModel& grid = view.Grid();
    const std::string listText = view.List().EntryText(entry);
    const std::string bytes = ExportFileBytes(view.IsSqlEdition(), listText, grid);
    // Cells and list texts hold no line break (lines are split at every break), so the file has one
    // line per grid row but row 1, and three before them: title, identifier, "Поля: ".
    const size_t lines = static_cast<size_t>(grid.RowCount()) + 2;
    Check(Occurrences(bytes, "\r\n") == lines, label + "the export does not have one line per row");
    Check(bytes.size() >= 2 && bytes.compare(bytes.size() - 2, 2, "\r\n") == 0,
          label + "the export's last line is open");
    Check(bytes.rfind(ExportTitle(view.IsSqlEdition(), listText) + "\r\n", 0) == 0,
          label + "the export does not begin with its title");
}

void CheckClipboard(const GridModel& grid, int32_t rowsCopied, const std::string& label) {
    const int32_t rows = std::min(grid.RowCount(), rowsCopied);
    for (int32_t row = 0; row < rows; ++row) {
        std::string joined;
        for (int column = 0; column < kGridColumns; ++column) {
            if (CellClipboardText(grid, {column, row}) != grid.Cell(column, row))
                Fail(label + "a cell copies other text");
            joined.append(grid.Cell(column, row)).append("; ");
        }
        if (RowClipboardText(grid, row) != TrimBlanks(joined))
            Fail(label + "row " + std::to_string(row) + " copies wrong");
        if (!CellClipboardText(grid, {kGridColumns, row}).empty() || !CellClipboardText(grid, {-1, row}).empty()) {
            Fail(label + "a cell beside the grid copies text");
        }
    }
    // A row outside the grid has empty cells: only the separators are copied.
    Check(CellClipboardText(grid, {0, grid.RowCount()}).empty() &&
              RowClipboardText(grid, grid.RowCount()) == "; ; ; ; ;" && RowClipboardText(grid, -1) == "; ; ; ; ;",
          label + "a row outside the grid copies text");
}

template <typename Command>
size_t CountOf(const std::vector<PrintCommand>& commands) {
    return static_cast<size_t>(std::count_if(commands.begin(), commands.end(), [](const PrintCommand& command) {
        return std::holds_alternative<Command>(command);
    }));
}

void CheckPrint(const DictionaryView& view, int32_t entry, const std::string& label) {
    const GridModel& grid = view.Grid();
    const std::string title = PrintTitle(view.IsSqlEdition(), view.List().EntryText(entry));
    // A usual grid on A4 at 600 dots per inch, a grid narrower than its two fixed columns without a
    // page limit, a wide grid on pages that hold one row each.
    // Each table is printed in one of these ways, in turn.
    struct Print {
        int gridWidth, printableHeight;
    };
    constexpr Print kPrints[] = {{640, 6814}, {0, 0}, {1920, 1}};
    {
        const Print print = kPrints[static_cast<size_t>(entry) % std::size(kPrints)];
        const auto commands =
            PrintFieldGridCommands(grid, title, FitColumnWidths(print.gridWidth), print.printableHeight);
        const size_t pages = SplitPrintPages(grid.RowCount(), print.printableHeight).size();
        const std::string where = label + "print at height " + std::to_string(print.printableHeight) + ": ";
        Check(!commands.empty() && commands.front() == PrintCommand{BeginDocument{title}},
              where + "the document does not begin under the title");
        Check(commands.back() == PrintCommand{EndDocument{}}, where + "the document is not ended");
        Check(CountOf<NextPage>(commands) + 1 == pages, where + "the page count differs");
        Check(CountOf<TextAt>(commands) == pages, where + "not one title per page");
        Check(CountOf<TextInRect>(commands) == kGridColumns * (pages + static_cast<size_t>(grid.RowCount()) - 1),
              where + "not every cell is printed once, with the headings on every page");
    }
}

// The tables to show: all of them, or as many as the limit allows from the start and from the end.
std::vector<int32_t> TablesToShow(int32_t count, int32_t limit) {
    std::vector<int32_t> tables;
    if (count <= limit) {
        for (int32_t i = 0; i < count; ++i) tables.push_back(i);
        return tables;
    }
    for (int32_t i = 0; i < limit / 2; ++i) tables.push_back(i);
    for (int32_t i = count - (limit - limit / 2); i < count; ++i) tables.push_back(i);
    return tables;
}

void ShowIndexesThatAreNoEntry(DictionaryView& view, std::string_view path) {
    const int32_t count = view.List().EntryCount();
    for (const int64_t index :
         {int64_t{-1}, int64_t{count}, int64_t{count} + 1, int64_t{std::numeric_limits<int32_t>::min()},
          int64_t{std::numeric_limits<int32_t>::max()}}) {
        const std::string label = std::string(path) + " index " + std::to_string(index) + ": ";
        const auto index32 = static_cast<int32_t>(index);
        if (index != index32) continue;
        try {
            (void)view.List().EntryText(index32);
            Check(false, label + "reading the entry did not fail");
        } catch (const Error& error) {
            Check(error.Message() == ListError(index), label + "reading the entry failed with " + error.Message());
        }
        try {
            view.SelectTable(index32);
            Check(false, label + "showing nothing selected did not fail");
        } catch (const Error& error) {
            Check(error.Message() == ListError(-1), label + "showing nothing selected failed with " + error.Message());
        }
        Check(view.List().SelectedIndex() == -1, label + "an index that is no entry was selected");
        Check(view.Grid().RowCount() == 1, label + "a failed table view left more than the header row");
    }
}

void CheckScanInStretches(std::string_view bytes) {
    for (const bool findIrregular : {true, false}) {
        const LineScan scalar = ScanLinesScalar(bytes, findIrregular);
        for (const MaskKernel kernel : AvailableMaskKernels()) {
            for (const size_t step : {bytes.size() + 1, size_t{1} + bytes.size() % 131}) {
                LineScanner scanner(findIrregular, kernel);
                for (size_t read = step; read < bytes.size(); read += step) scanner.Feed(bytes.substr(0, read));
                scanner.Feed(bytes);
                const LineScan vector = scanner.Finish(bytes);
                const std::string label = "the scan in stretches of " + std::to_string(step) + " ";
                Check(vector.firstIrregular == scalar.firstIrregular, label + "stops elsewhere");
                if (scalar.firstIrregular != kNoOffset) continue;  // the rest is not filled in then
                Check(vector.segmentCount == scalar.segmentCount, label + "counts other lines");
                Check(vector.lineStarts == scalar.lineStarts, label + "indexes other line starts");
                Check(vector.markerLines == scalar.markerLines && vector.markerLineStarts == scalar.markerLineStarts,
                      label + "finds other markers");
                Check(vector.ctrlZLines == scalar.ctrlZLines, label + "finds other Ctrl-Z lines");
            }
        }
    }
}

// ddview shows the dictionary's bytes as UTF-8 and takes its search text from UTF-8.
void CheckTerminalText(std::string_view bytes) {
    const std::string_view text = bytes.substr(0, 4096);
    // Every byte below 0x80 of UTF-8 is a character of its own, so none of them may be a control one.
    for (const char c : Utf8FromCp1251(text, true)) {
        const auto byte = static_cast<unsigned char>(c);
        Check(byte >= 0x80 || (byte >= 0x20 && byte != 0x7F), "ddview shows a control character to the terminal");
    }
    if (text.find('\x98') == std::string_view::npos) {
        Check(Cp1251FromUtf8(Utf8FromCp1251(text)) == std::string(text), "Windows-1251 does not come back from UTF-8");
    }
    (void)Cp1251FromUtf8(text);  // the bytes taken as a search text
}

}  // namespace

std::string ExerciseDictionary(std::string_view bytes, std::string_view path, const ExerciseLimits& limits) {
    DictionaryView view;
    std::string loadError;
    try {
        view.OpenBytes(path, FileBytes::Copy(bytes));
    } catch (const Error& error) {
        loadError = error.Message();
    }
    Check(view.IsSqlEdition() == IsSqlPath(path), std::string(path) + ": the mode does not follow the path");
    Check(loadError.empty() || (loadError == ListError(-1) && view.List().EntryCount() == 0),
          std::string(path) + ": loading failed with " + loadError);

    ReferenceDictionary reference;
    if (limits.compareWithReference) {
        reference = ReadReferenceDictionary(bytes);
        CompareWithReference(view, reference);
        if (loadError.empty()) {
            CompareGrid(view.Grid(), ReferenceTableView(reference, 0, view.IsSqlEdition()),
                        TableLabel(path, 0) + "after loading, ");
        }
    }

    ShowIndexesThatAreNoEntry(view, path);
    const std::vector<int32_t> shown = TablesToShow(view.List().EntryCount(), limits.tablesShown);
    if (limits.compareWithReference && limits.streamCommands) {
        const std::vector<int32_t> streamed(shown.begin(), shown.begin() + std::min<ptrdiff_t>(shown.size(), 4));
        CheckStreamCommands(bytes, path, reference, streamed);
    }
    for (size_t k = 0; k < shown.size(); ++k) {
        const int32_t entry = shown[k];
        const std::string label = TableLabel(path, entry);
        view.SelectTable(entry);
        const bool compared = k < static_cast<size_t>(limits.gridsCompared) || k + 1 == shown.size();
        if (limits.compareWithReference && compared) {
            CompareGrid(view.Grid(), ReferenceTableView(reference, entry, view.IsSqlEdition()), label);
        }
        CheckExport(view, entry, label);
        CheckClipboard(view.Grid(), limits.rowsCopied, label);
        CheckPrint(view, entry, label);
    }
    return loadError;
}

void CheckScanInWindows(std::string_view bytes, size_t step) {
    LineScanner scalar(IrregularBytes::kReport, false, nullptr);
    scalar.FinishWindow(bytes, 0);
    const LineScan& expected = scalar.Found();
    const auto kernels = AvailableMaskKernels();
    for (size_t k = 0; k < kernels.size(); ++k) {
        LineScanner scanner(IrregularBytes::kReport, false, kernels[k]);
        for (size_t read = step; read < bytes.size(); read += step) {
            const size_t start = scanner.CurrentLineStart();
            scanner.Feed(bytes.substr(start, read - start), start);
        }
        const size_t start = scanner.CurrentLineStart();
        scanner.FinishWindow(bytes.substr(start), start);
        const LineScan& found = scanner.Found();
        const std::string label =
            "kernel " + std::to_string(k) + " scanning in windows of " + std::to_string(step) + " ";
        Check(found.segmentCount == expected.segmentCount, label + "counts other lines");
        Check(found.markerLines == expected.markerLines && found.markerLineStarts == expected.markerLineStarts,
              label + "finds other markers");
        Check(found.ctrlZLines == expected.ctrlZLines, label + "finds other Ctrl-Z lines");
        Check(found.irregularLines == expected.irregularLines &&
                  found.irregularLineStarts == expected.irregularLineStarts,
              label + "finds other irregular lines");
        Check(found.lineStarts.empty(), label + "keeps a line index");
    }
}

std::string ExerciseBothEditions(std::string_view bytes, const ExerciseLimits& limits) {
    CheckScanInStretches(bytes);
    for (const size_t step : {size_t{64}, size_t{1} + bytes.size() % 131}) CheckScanInWindows(bytes, step);
    CheckTerminalText(bytes);
    const std::string dbfError = ExerciseDictionary(bytes, "C:\\base\\1Cv7.DD", limits);
    const std::string sqlError = ExerciseDictionary(bytes, "C:\\base\\1Cv7.DDS", limits);
    Check(dbfError == sqlError, "the editions fail differently: " + dbfError + " / " + sqlError);
    return dbfError;
}

}  // namespace dd::fuzz
