#pragma once

#include <cstdint>
#include <string>

#include "cli/TextOutput.h"
#include "dictionary/DictionaryStream.h"
#include "dictionary/MarkerCheckedSource.h"

namespace dd::cli {

// The dictionary a command reads, once and front to back: its path, which decides the edition (a path
// ending in ".DDS", in any letter case, is the SQL edition), and where its bytes come from.
struct DictionarySource {
    std::string path;
    ByteSource& bytes;
    size_t bufferSize = kStreamBufferSize;
};

enum class Format { kText, kJson };

// Each command fails with the system's error (dd::Error) when the dictionary cannot be read, when it is
// no dictionary (NotADictionaryMessage) and, for a table number that is no table, NoSuchTableMessage.
// "no table N: the dictionary has T tables, numbered 0 to T-1".
std::string NoSuchTableMessage(int32_t entry, int32_t tables);

void ListTables(const DictionarySource& source, Format format, TextOutput& out);
void ShowTable(const DictionarySource& source, int32_t entry, Format format, TextOutput& out);
// `text` is in Windows-1251.
void FindText(const DictionarySource& source, const std::string& text, Format format, TextOutput& out);
// The bytes of the viewer's text export of table `entry`.
std::string ExportTable(const DictionarySource& source, int32_t entry);
// The whole dictionary as one JSON document.
void DumpDictionary(const DictionarySource& source, TextOutput& out);

// The same in text for the file at the path.
void ListTables(const std::string& path, TextOutput& out);
void ShowTable(const std::string& path, int32_t entry, TextOutput& out);
void FindText(const std::string& path, const std::string& text, TextOutput& out);
std::string ExportTable(const std::string& path, int32_t entry);

}  // namespace dd::cli
