#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dd::test {

// Builds the bytes of a small dBase III table as the platform writes it: 0x03, the descriptors, 0x0D, the
// records, one 0x1A. A 'C' field longer than 255 keeps its length's high byte in the decimals' place. Tests
// change single bytes of the result to make the faults they check.
class DbfBuilder {
public:
    DbfBuilder& Field(std::string name, char type, uint32_t length, uint8_t decimals = 0) {
        fields_.push_back({std::move(name), type, length, decimals});
        return *this;
    }
    // A record of the given values, each padded to its field: numbers to the right, the rest to the left.
    DbfBuilder& Row(const std::vector<std::string>& values, bool deleted = false) {
        std::string record(1, deleted ? '*' : ' ');
        for (size_t i = 0; i < fields_.size(); ++i) {
            const std::string value = i < values.size() ? values[i] : std::string();
            const size_t pad = fields_[i].length > value.size() ? fields_[i].length - value.size() : 0;
            const std::string padded =
                fields_[i].type == 'N' ? std::string(pad, ' ') + value : value + std::string(pad, ' ');
            record += padded.substr(0, fields_[i].length);
        }
        records_.push_back(record);
        return *this;
    }
    // The record count the header says, where it is not the number of rows given.
    DbfBuilder& CountInHeader(uint32_t count) {
        count_ = count;
        return *this;
    }
    // Blank bytes after the 0x0D, inside the header (some programs leave room there).
    DbfBuilder& HeaderPadding(uint32_t bytes) {
        padding_ = bytes;
        return *this;
    }
    DbfBuilder& WithoutEndOfFile() {
        endOfFile_ = false;
        return *this;
    }

    uint32_t HeaderLength() const { return static_cast<uint32_t>(32 + 32 * fields_.size() + 1 + padding_); }
    uint32_t RecordLength() const {
        uint32_t length = 1;
        for (const auto& field : fields_) length += field.length;
        return length;
    }

    std::string Bytes() const {
        std::string bytes(32, '\0');
        bytes[0] = '\x03';
        bytes[1] = static_cast<char>(124);  // 2024-03-15
        bytes[2] = 3;
        bytes[3] = 15;
        PutLittle(bytes, 4, count_.value_or(static_cast<uint32_t>(records_.size())), 4);
        PutLittle(bytes, 8, HeaderLength(), 2);
        PutLittle(bytes, 10, RecordLength(), 2);
        for (const auto& field : fields_) {
            std::string descriptor(32, '\0');
            descriptor.replace(0, std::min<size_t>(field.name.size(), 11), field.name.substr(0, 11));
            descriptor[11] = field.type;
            descriptor[16] = static_cast<char>(field.length & 0xFF);
            descriptor[17] = static_cast<char>(field.type == 'C' ? field.length >> 8 : field.decimals);
            bytes += descriptor;
        }
        bytes += '\x0D';
        bytes += std::string(padding_, '\0');
        for (const auto& record : records_) bytes += record;
        if (endOfFile_) bytes += '\x1A';
        return bytes;
    }

private:
    struct FieldSpec {
        std::string name;
        char type;
        uint32_t length;
        uint8_t decimals;
    };
    static void PutLittle(std::string& bytes, size_t at, uint32_t value, int width) {
        for (int i = 0; i < width; ++i) bytes[at + static_cast<size_t>(i)] = static_cast<char>(value >> (8 * i));
    }

    std::vector<FieldSpec> fields_;
    std::vector<std::string> records_;
    std::optional<uint32_t> count_;
    uint32_t padding_ = 0;
    bool endOfFile_ = true;
};

}  // namespace dd::test
