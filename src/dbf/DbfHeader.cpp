#include "dbf/DbfHeader.h"

#include <cstdio>
#include <string>

#include "dictionary/Error.h"

namespace dd {
namespace {

// The version bytes of the dBase family that other programs write too (FoxBase, dBase III to V, FoxPro,
// Visual FoxPro, with or without memo): their headers and descriptors share the layout read here. Any other
// first byte says the file is something else.
bool IsDbaseVersion(uint8_t version) {
    switch (version) {
        case 0x02:
        case 0x03:
        case 0x04:
        case 0x05:
        case 0x30:
        case 0x31:
        case 0x32:
        case 0x43:
        case 0x63:
        case 0x7B:
        case 0x83:
        case 0x8B:
        case 0x8E:
        case 0xB3:
        case 0xCB:
        case 0xE5:
        case 0xF5:
        case 0xFB:
            return true;
        default:
            return false;
    }
}

uint32_t Byte(const char* at) { return static_cast<uint8_t>(*at); }
uint32_t Little16(const char* at) { return Byte(at) | Byte(at + 1) << 8; }
uint32_t Little32(const char* at) { return Little16(at) | Little16(at + 2) << 16; }

std::string Hex(uint32_t byte) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

std::string Bytes(uint64_t count) { return std::to_string(count) + (count == 1 ? " byte" : " bytes"); }

// Reads exactly `size` bytes at `offset`: the size was measured first, so fewer means the file shrank meanwhile.
std::string ReadExactly(RandomAccessSource& source, uint64_t offset, size_t size) {
    std::string bytes(size, '\0');
    if (source.ReadAt(offset, bytes.data(), size) != size) throw IoError(kIoReadBeyondEnd);
    return bytes;
}

DbfColumn ParseDescriptor(const char* descriptor, uint32_t offset) {
    DbfColumn column;
    const char* nameEnd = descriptor;
    while (nameEnd < descriptor + 11 && *nameEnd != '\0') ++nameEnd;
    column.name.assign(descriptor, nameEnd);
    column.type = descriptor[11];
    column.offset = offset;
    column.length = Byte(descriptor + 16);
    if (column.type == 'C') {
        column.length |= Byte(descriptor + 17) << 8;
    } else {
        column.decimals = static_cast<uint8_t>(Byte(descriptor + 17));
    }
    return column;
}

}  // namespace

DbfHeader ReadDbfHeader(RandomAccessSource& source) {
    const uint64_t fileSize = source.Size();
    if (fileSize == 0) throw Error("The file is empty: a dBase table starts with a header of 32 bytes or more");
    if (fileSize < kDbfHeaderStart) {
        throw Error("The file is " + Bytes(fileSize) + " long: a dBase table starts with a header of 32 bytes or more");
    }
    const std::string start = ReadExactly(source, 0, kDbfHeaderStart);
    DbfHeader header;
    header.version = static_cast<uint8_t>(start[0]);
    if (!IsDbaseVersion(header.version)) {
        throw Error("The file is no dBase table: its first byte is " + Hex(header.version) +
                    ", not a dBase version byte such as 0x03 (dBase III)");
    }
    header.lastUpdate = {1900 + static_cast<int>(Byte(&start[1])), static_cast<int>(Byte(&start[2])),
                         static_cast<int>(Byte(&start[3]))};
    header.recordCount = Little32(&start[4]);
    header.headerLength = Little16(&start[8]);
    header.recordLength = Little16(&start[10]);
    header.codePage = static_cast<uint8_t>(start[29]);
    if (header.headerLength < kDbfHeaderStart + 1) {
        throw Error("The header length is " + Bytes(header.headerLength) +
                    " as the table says: a dBase header needs at least 33 (32, the field descriptors and 0x0D)");
    }
    if (header.headerLength > fileSize) {
        throw Error("The header is " + Bytes(header.headerLength) +
                    " long as the table says, but the file holds only " + Bytes(fileSize));
    }

    const std::string bytes = ReadExactly(source, 0, header.headerLength);
    uint32_t at = kDbfHeaderStart;
    uint64_t fieldBytes = 0;
    for (;;) {
        if (at < header.headerLength && bytes[at] == kDbfDescriptorEnd) break;
        if (at + kDbfDescriptorSize > header.headerLength) {
            throw Error("The field descriptors do not end with 0x0D within the header's " + Bytes(header.headerLength));
        }
        header.columns.push_back(ParseDescriptor(&bytes[at], static_cast<uint32_t>(1 + fieldBytes)));
        fieldBytes += header.columns.back().length;
        at += kDbfDescriptorSize;
    }
    if (header.columns.empty()) {
        throw Error("The table has no fields: its descriptors end at once, where a dBase table describes one or more");
    }
    if (header.recordLength != 1 + fieldBytes) {
        throw Error("The record length is " + Bytes(header.recordLength) + " as the header says, but the fields need " +
                    std::to_string(1 + fieldBytes) + " (1 for the deleted flag + " + std::to_string(fieldBytes) + ")");
    }
    return header;
}

}  // namespace dd
