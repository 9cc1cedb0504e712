#pragma once

#include <string>

#include "cli/TextOutput.h"

namespace dd::cli {

// Each command fails with the system's error (dd::Error) when the dictionary cannot be read.
void ListTables(const std::string& path, TextOutput& out);
void ShowTable(const std::string& path, int32_t entry, TextOutput& out);
// `text` is in Windows-1251.
void FindText(const std::string& path, const std::string& text, TextOutput& out);
// The bytes of the viewer's text export of table `entry`.
std::string ExportTable(const std::string& path, int32_t entry);

}  // namespace dd::cli
