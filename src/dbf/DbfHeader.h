#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dictionary/RandomAccessSource.h"

namespace dd {

// One column of a dBase table, as its field descriptor gives it.
struct DbfColumn {
    // The descriptor's name up to its first NUL (all 11 bytes when it has none), as stored: Windows-1251.
    std::string name;
    // The type letter as stored: 'C' text, 'N' number, 'D' date, 'L' logical; any other byte is read as text.
    char type = 'C';
    // Where the field's bytes start in a record: byte 0 is the deleted flag, so the first field starts at 1.
    uint32_t offset = 0;
    // The field's bytes in a record. A 'C' field keeps the high byte of its length where a number keeps its
    // decimals, so that it may be longer than 255: stored as 44 and 1, it is 44 + 256 x 1 = 300 bytes.
    uint32_t length = 0;
    // Digits after the point of a number; 0 for a 'C' field, whose byte holds its length instead.
    uint8_t decimals = 0;
};

// The date of the last update as the header keeps it: a year since 1900, a month and a day, unchecked.
struct DbfUpdateDate {
    int year = 1900;
    int month = 0;
    int day = 0;
};

// The header of a dBase table, checked against itself and the file's size (ReadDbfHeader).
struct DbfHeader {
    uint8_t version = 0;  // the first byte: 0x03 for dBase III without memo, as the platform writes
    DbfUpdateDate lastUpdate;
    // The records the header counts. A file that is still being written or was cut short may hold fewer or
    // more: DbfTable reads what both allow.
    uint32_t recordCount = 0;
    uint32_t headerLength = 0;  // where the first record starts
    uint32_t recordLength = 0;  // 1 (the deleted flag) + the columns' lengths, as checked
    uint8_t codePage = 0;       // byte 29; 0 (none given) in the platform's tables, whose texts are Windows-1251
    std::vector<DbfColumn> columns;
};

// The fixed part of every dBase header, before the field descriptors; also the size of one descriptor.
inline constexpr uint32_t kDbfHeaderStart = 32;
inline constexpr uint32_t kDbfDescriptorSize = 32;
// The byte that ends the field descriptors.
inline constexpr char kDbfDescriptorEnd = '\x0D';

// Reads the header and the field descriptors of the table in `source` and checks them: a known dBase version
// byte, a header no longer than the file, descriptors ended by 0x0D inside the header, at least one field,
// and a record length of 1 + the fields' lengths. A header may be longer than its descriptors (padding).
// Fails with dd::Error saying what is wrong and what was expected, or with the source's input/output error.
DbfHeader ReadDbfHeader(RandomAccessSource& source);

}  // namespace dd
