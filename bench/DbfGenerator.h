#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace dd::bench {

// The document-lines table that WriteDocumentLines writes, and the documents' table that WriteDocumentHeaders
// writes: their files are Identifier + ".DBF".
inline constexpr const char* kGeneratedTableIdentifier = "DT5000";
inline constexpr const char* kGeneratedHeaderIdentifier = "DH5000";

struct GeneratedTable {
    uint64_t rows = 0;
    uint64_t bytes = 0;
    uint64_t documents = 0;  // the documents whose rows it holds
};

// Writes a dBase III table shaped like the platform's document lines (IDDOC, LINENO and properties of types
// C, N and D: references, quantities, prices, sums, dates, Cyrillic comments in Windows-1251), with now and then
// a deleted row, a blank date and a blank number, until it is at least `bytes` long. The content is the same for
// the same size. Fails only as writing `out` fails (the caller checks the stream).
GeneratedTable WriteDocumentLines(std::FILE* out, uint64_t bytes);

// Writes the documents' headers of the document lines: one row per document, from the first to `documents`.
GeneratedTable WriteDocumentHeaders(std::FILE* out, uint64_t documents);

// Writes a dictionary of the DBF edition of about `bytes` bytes, as large as a real base's (1 MB: some 800
// tables): system tables, catalogs, document headers and lines, registers; the generated table and its document
// header among them, with the fields of the table's file. The same for the same size. Returns the tables written.
int64_t WriteBaseDictionary(std::FILE* out, uint64_t bytes);

}  // namespace dd::bench
