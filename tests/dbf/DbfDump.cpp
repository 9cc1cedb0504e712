// Prints DBF tables as the reader reads them, for the check against another reader (check-with-dbfread.py):
//   dbfdump FILE...
// For each file: "table<TAB>FILE<TAB>ROWS<TAB>TRUNCATED", one "column<TAB>NAME<TAB>TYPE<TAB>LENGTH<TAB>DECIMALS"
// line per column, then one line per row: "row<TAB>live|deleted" and a cell per value, its kind's letter (z null,
// t text, n number, d date, l logical) before its text. Texts are the table's bytes (Windows-1251), with a
// backslash, a byte below 0x20 and 0x7F written \xHH. Read through the stream with a small buffer, so that rows
// cross the reads' boundaries.
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

#include "dbf/DbfRowStream.h"
#include "dbf/DbfTable.h"
#include "platform/FileReading.h"

namespace {

void PutEscaped(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '\\') {
            std::printf("\\x%02X", byte);
        } else {
            std::putchar(c);
        }
    }
}

char KindLetter(dd::DbfValueKind kind) {
    switch (kind) {
        case dd::DbfValueKind::Null:
            return 'z';
        case dd::DbfValueKind::Text:
            return 't';
        case dd::DbfValueKind::Number:
            return 'n';
        case dd::DbfValueKind::Date:
            return 'd';
        case dd::DbfValueKind::Logical:
            return 'l';
    }
    return '?';
}

void Dump(const char* path) {
    const dd::DbfTable table(dd::OpenRandomAccessFile(path));
    std::printf("table\t%s\t%llu\t%d\n", path, static_cast<unsigned long long>(table.RowCount()),
                table.Truncated() ? 1 : 0);
    for (const dd::DbfColumn& column : table.Columns()) {
        std::fputs("column\t", stdout);
        PutEscaped(column.name);
        std::printf("\t%c\t%u\t%u\n", column.type, column.length, column.decimals);
    }
    dd::DbfRowStream stream(table, 100);
    while (const auto row = stream.Next()) {
        std::fputs(row->Deleted() ? "row\tdeleted" : "row\tlive", stdout);
        for (size_t column = 0; column < row->ColumnCount(); ++column) {
            const dd::DbfValue value = row->Value(column);
            std::printf("\t%c", KindLetter(value.Kind()));
            PutEscaped(value.Text());
        }
        std::putchar('\n');
    }
}

}  // namespace

int main(int argc, char** argv) {
    try {
        for (int i = 1; i < argc; ++i) Dump(argv[i]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "dbfdump: %s\n", error.what());
        return 1;
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
