#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/DictionaryDifferences.h"
#include "base/DictionaryTables.h"
#include "dbf/DbfHeader.h"

namespace dd {

// Whether a file of a base's folder (its name in UTF-8) is named like a table of the platform: a name that starts
// with SC, DH, DT, RA, RG, CJ or 1S and ends in ".DBF", letters in any case.
bool IsPlatformTableFile(std::string_view name);

// Which file of the folder holds which table of the dictionary.
struct TableFiles {
    // For each table of the dictionary, in its order: the name of its file (the identifier and ".DBF", letters in
    // any case), empty when the folder has none. Where the names of two files differ only in case, the first
    // in the folder's order is the table's.
    std::vector<std::string> fileOfTable;
    // The files named like a table of the platform whose name no table of the dictionary has, in the folder's order.
    std::vector<std::string> unlisted;
};

// `files` are the names of the folder's files (UTF-8), as FilesInFolder gives them.
TableFiles MatchTableFiles(const DictionaryTables& dictionary, const std::vector<std::string>& files);

// The table that a file's header describes, in the terms of the dictionary's table `described`: its identifier and
// description, and the file's columns as its fields (the type letter, the length, the decimals as the precision),
// each with the description of the dictionary's field of its name, empty for a column the dictionary lacks.
DictionaryTable TableOfHeader(const DictionaryTable& described, const DbfHeader& header);

// A table's file that holds no dBase table, or that could not be read.
struct UnreadableTableFile {
    std::string path;
    std::string message;
};

struct BaseFolderDifferences {
    DictionaryDifferences differences;
    // Their tables are left out of `differences`: neither removed nor compared, since nothing is known of them.
    std::vector<UnreadableTableFile> unreadable;
};

// Compares a base's folder with its dictionary as a new side with an old one: the dictionary's tables without a
// file are removed, the files named like a table that the dictionary does not list are added (without a
// description), and each table's columns are compared with its fields. The files hold no descriptions or indexes,
// so those are not compared. Only the headers are read. Fails (dd::Error) when the folder cannot be listed.
BaseFolderDifferences CompareBaseFolder(const DictionaryTables& dictionary, const std::string& folder);

}  // namespace dd
