#include "bench/DbfGenerator.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <string>
#include <vector>

namespace dd::bench {
namespace {

// Windows-1251 texts. Comments: "Отгрузка по договору поставки", "Возврат брака от покупателя", "Доставка
// курьером до склада", "Оплата наличными при получении", "Частичная предоплата, остаток по факту", "Скидка
// постоянному клиенту", "Пересорт, исправлено при приемке", "Упаковка и маркировка за счет поставщика".
const char* const kComments[] = {
    "\xCE\xF2\xE3\xF0\xF3\xE7\xEA\xE0 \xEF\xEE \xE4\xEE\xE3\xEE\xE2\xEE\xF0\xF3 \xEF\xEE\xF1\xF2\xE0\xE2\xEA\xE8",
    "\xC2\xEE\xE7\xE2\xF0\xE0\xF2 \xE1\xF0\xE0\xEA\xE0 \xEE\xF2 \xEF\xEE\xEA\xF3\xEF\xE0\xF2\xE5\xEB\xFF",
    "\xC4\xEE\xF1\xF2\xE0\xE2\xEA\xE0 \xEA\xF3\xF0\xFC\xE5\xF0\xEE\xEC \xE4\xEE \xF1\xEA\xEB\xE0\xE4\xE0",
    "\xCE\xEF\xEB\xE0\xF2\xE0 \xED\xE0\xEB\xE8\xF7\xED\xFB\xEC\xE8 \xEF\xF0\xE8 \xEF\xEE\xEB\xF3\xF7\xE5\xED\xE8\xE8",
    "\xD7\xE0\xF1\xF2\xE8\xF7\xED\xE0\xFF \xEF\xF0\xE5\xE4\xEE\xEF\xEB\xE0\xF2\xE0, \xEE\xF1\xF2\xE0\xF2\xEE\xEA "
    "\xEF\xEE \xF4\xE0\xEA\xF2\xF3",
    "\xD1\xEA\xE8\xE4\xEA\xE0 \xEF\xEE\xF1\xF2\xEE\xFF\xED\xED\xEE\xEC\xF3 \xEA\xEB\xE8\xE5\xED\xF2\xF3",
    "\xCF\xE5\xF0\xE5\xF1\xEE\xF0\xF2, \xE8\xF1\xEF\xF0\xE0\xE2\xEB\xE5\xED\xEE \xEF\xF0\xE8 "
    "\xEF\xF0\xE8\xE5\xEC\xEA\xE5",
    "\xD3\xEF\xE0\xEA\xEE\xE2\xEA\xE0 \xE8 \xEC\xE0\xF0\xEA\xE8\xF0\xEE\xE2\xEA\xE0 \xE7\xE0 \xF1\xF7\xE5\xF2 "
    "\xEF\xEE\xF1\xF2\xE0\xE2\xF9\xE8\xEA\xE0",
};

// Справочник, Документ, Регистр.
const char* const kKinds[] = {"\xD1\xEF\xF0\xE0\xE2\xEE\xF7\xED\xE8\xEA", "\xC4\xEE\xEA\xF3\xEC\xE5\xED\xF2",
                              "\xD0\xE5\xE3\xE8\xF1\xF2\xF0"};
// Товары, Контрагенты, Склады, Сотрудники, Заказы, Поступления, Продажи, Остатки, Цены, Кассы, Договоры,
// Подразделения.
const char* const kWords[] = {"\xD2\xEE\xE2\xE0\xF0\xFB",
                              "\xCA\xEE\xED\xF2\xF0\xE0\xE3\xE5\xED\xF2\xFB",
                              "\xD1\xEA\xEB\xE0\xE4\xFB",
                              "\xD1\xEE\xF2\xF0\xF3\xE4\xED\xE8\xEA\xE8",
                              "\xC7\xE0\xEA\xE0\xE7\xFB",
                              "\xCF\xEE\xF1\xF2\xF3\xEF\xEB\xE5\xED\xE8\xFF",
                              "\xCF\xF0\xEE\xE4\xE0\xE6\xE8",
                              "\xCE\xF1\xF2\xE0\xF2\xEA\xE8",
                              "\xD6\xE5\xED\xFB",
                              "\xCA\xE0\xF1\xF1\xFB",
                              "\xC4\xEE\xE3\xEE\xE2\xEE\xF0\xFB",
                              "\xCF\xEE\xE4\xF0\xE0\xE7\xE4\xE5\xEB\xE5\xED\xE8\xFF"};
// Сумма, Количество, Цена, Комментарий, Дата, Склад, Контрагент, Номенклатура, Валюта, Курс.
const char* const kProperties[] = {"\xD1\xF3\xEC\xEC\xE0",
                                   "\xCA\xEE\xEB\xE8\xF7\xE5\xF1\xF2\xE2\xEE",
                                   "\xD6\xE5\xED\xE0",
                                   "\xCA\xEE\xEC\xEC\xE5\xED\xF2\xE0\xF0\xE8\xE9",
                                   "\xC4\xE0\xF2\xE0",
                                   "\xD1\xEA\xEB\xE0\xE4",
                                   "\xCA\xEE\xED\xF2\xF0\xE0\xE3\xE5\xED\xF2",
                                   "\xCD\xEE\xEC\xE5\xED\xEA\xEB\xE0\xF2\xF3\xF0\xE0",
                                   "\xC2\xE0\xEB\xFE\xF2\xE0",
                                   "\xCA\xF3\xF0\xF1"};

struct Field {
    std::string name;
    std::string description;
    char type;
    uint32_t length;
    uint32_t decimals;
};

// The generated document lines, in the file's column order; the dictionary lists the same.
const Field kLineFields[] = {
    {"IDDOC", "ID Document", 'C', 9, 0},
    {"LINENO", "LineNo", 'N', 4, 0},
    {"SP5001", "(P)\xCD\xEE\xEC\xE5\xED\xEA\xEB\xE0\xF2\xF3\xF0\xE0", 'C', 9, 0},  // (P)Номенклатура
    {"SP5002", "(P)\xCA\xEE\xEB\xE8\xF7\xE5\xF1\xF2\xE2\xEE", 'N', 14, 3},         // (P)Количество
    {"SP5003", "(P)\xD6\xE5\xED\xE0", 'N', 14, 2},                                 // (P)Цена
    {"SP5004", "(P)\xD1\xF3\xEC\xEC\xE0", 'N', 15, 2},                             // (P)Сумма
    {"SP5005", "(P)\xC4\xE0\xF2\xE0\xCE\xF2\xE3\xF0\xF3\xE7\xEA\xE8", 'D', 8, 0},  // (P)ДатаОтгрузки
    {"SP5006", "(P)\xD1\xEA\xEB\xE0\xE4", 'C', 9, 0},                              // (P)Склад
    {"SP5007", "(P)\xCA\xEE\xEC\xEC\xE5\xED\xF2\xE0\xF0\xE8\xE9", 'C', 60, 0},     // (P)Комментарий
    {"SP5008", "(P)\xD1\xF2\xE0\xE2\xEA\xE0\xCD\xC4\xD1", 'N', 5, 2},              // (P)СтавкаНДС
};
// Документ РасходТовара and its lines' whole name, Документ (мн.ч.) РасходТовара.
const char* const kHeaderName = "\xC4\xEE\xEA\xF3\xEC\xE5\xED\xF2 \xD0\xE0\xF1\xF5\xEE\xE4\xD2\xEE\xE2\xE0\xF0\xE0";
const char* const kLinesName =
    "\xC4\xEE\xEA\xF3\xEC\xE5\xED\xF2 (\xEC\xED.\xF7.) \xD0\xE0\xF1\xF5\xEE\xE4\xD2\xEE\xE2\xE0\xF0\xE0";

// A small, fast generator whose sequence is the same everywhere (std::mt19937 is too, but slower per row).
class Random {
public:
    uint32_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return static_cast<uint32_t>(state_ >> 16);
    }
    uint32_t Below(uint32_t bound) { return Next() % bound; }

private:
    uint64_t state_ = 0x9E3779B97F4A7C15ull;
};

// Writes `value`, scaled by 10^decimals, right-aligned into the field, blanks before it.
void PutNumber(char* field, uint32_t width, int64_t value, uint32_t decimals) {
    std::memset(field, ' ', width);
    const bool negative = value < 0;
    uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    char* at = field + width;
    for (uint32_t digit = 0; digit < decimals; ++digit, magnitude /= 10)
        *--at = static_cast<char>('0' + magnitude % 10);
    if (decimals > 0) *--at = '.';
    do {
        *--at = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    if (negative) *--at = '-';
}

// An object's identifier: six base-36 characters right-aligned and a three-character suffix.
void PutObjectId(char* field, uint64_t number) {
    static constexpr char kDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::memset(field, ' ', 9);
    char* at = field + 6;
    do {
        *--at = kDigits[number % 36];
        number /= 36;
    } while (number > 0 && at > field);
}

void PutText(char* field, uint32_t width, const char* text) {
    const size_t length = std::min<size_t>(std::strlen(text), width);
    std::memcpy(field, text, length);
    std::memset(field + length, ' ', width - length);
}

void PutDate(char* field, int year, int month, int day) {
    PutNumber(field, 4, year, 0);
    field[4] = static_cast<char>('0' + month / 10);
    field[5] = static_cast<char>('0' + month % 10);
    field[6] = static_cast<char>('0' + day / 10);
    field[7] = static_cast<char>('0' + day % 10);
}

// The generated document headers: the document and its counterparty.
const Field kHeaderFields[] = {
    {"IDDOC", "ID Document", 'C', 9, 0},
    {"SP4999", "(P)\xCA\xEE\xED\xF2\xF0\xE0\xE3\xE5\xED\xF2", 'C', 9, 0},  // (P)Контрагент
};

uint32_t RecordLength(std::span<const Field> fields) {
    uint32_t length = 1;
    for (const Field& field : fields) length += field.length;
    return length;
}

std::string Header(std::span<const Field> fields, uint32_t records) {
    const uint32_t headerLength = 32 + 32 * static_cast<uint32_t>(fields.size()) + 1;
    const uint32_t recordLength = RecordLength(fields);
    std::string header(32, '\0');
    header[0] = '\x03';
    header[1] = static_cast<char>(124);  // updated 2024-03-15
    header[2] = 3;
    header[3] = 15;
    for (int i = 0; i < 4; ++i) header[4 + i] = static_cast<char>(records >> (8 * i));
    header[8] = static_cast<char>(headerLength & 0xFF);
    header[9] = static_cast<char>(headerLength >> 8);
    header[10] = static_cast<char>(recordLength & 0xFF);
    header[11] = static_cast<char>(recordLength >> 8);
    for (const Field& field : fields) {
        std::string descriptor(32, '\0');
        descriptor.replace(0, field.name.size(), field.name);
        descriptor[11] = field.type;
        descriptor[16] = static_cast<char>(field.length & 0xFF);
        descriptor[17] = static_cast<char>(field.type == 'C' ? field.length >> 8 : field.decimals);
        header += descriptor;
    }
    header += '\x0D';
    return header;
}

// The lines of one document after another: a document of 1 to 20 lines, its date a day of 2020 to 2024.
class DocumentLines {
public:
    void Write(char* record) {
        if (line_ == linesInDocument_) {
            ++document_;
            line_ = 0;
            linesInDocument_ = 1 + random_.Below(20);
            dayOfDocument_ = random_.Below(5 * 365);
        }
        ++line_;
        char* at = record;
        *at++ = random_.Below(997) == 0 ? '*' : ' ';
        PutObjectId(at, document_);
        at += 9;
        PutNumber(at, 4, line_, 0);
        at += 4;
        PutObjectId(at, 1 + random_.Below(20000));
        at += 9;
        // A quantity in thousandths, a price in hundredths; a return now and then is negative.
        const int64_t quantity = (1 + random_.Below(100000)) * (random_.Below(50) == 0 ? -1 : 1);
        const int64_t price = 1 + random_.Below(10000000);
        PutNumber(at, 14, quantity, 3);
        at += 14;
        if (random_.Below(200) == 0) {
            std::memset(at, ' ', 14);  // a price never entered
        } else {
            PutNumber(at, 14, price, 2);
        }
        at += 14;
        PutNumber(at, 15, (quantity * price + (quantity < 0 ? -500 : 500)) / 1000, 2);
        at += 15;
        if (random_.Below(50) == 0) {
            std::memset(at, ' ', 8);  // not shipped yet
        } else {
            const uint32_t day = dayOfDocument_ + random_.Below(10);
            PutDate(at, 2020 + static_cast<int>(day / 365 % 5), 1 + static_cast<int>(day % 365 / 31 % 12),
                    1 + static_cast<int>(day % 28));
        }
        at += 8;
        PutObjectId(at, 1 + random_.Below(12));
        at += 9;
        PutText(at, 60, random_.Below(4) == 0 ? "" : kComments[random_.Below(std::size(kComments))]);
        at += 60;
        static constexpr int64_t kRates[] = {2000, 1000, 0};
        PutNumber(at, 5, kRates[random_.Below(3)], 2);
    }

    uint64_t Documents() const noexcept { return document_; }

private:
    Random random_;
    uint64_t document_ = 0;
    uint32_t line_ = 0;
    uint32_t linesInDocument_ = 0;
    uint32_t dayOfDocument_ = 0;
};

std::string Padded(std::string text, size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

void AppendTable(std::string& text, int64_t number, const std::string& identifier, const std::string& wholeName,
                 const std::vector<Field>& fields, const std::string& index) {
    text += "#\r\n#" + std::string(79, '=') + "\r\n";
    text += "#==TABLE no " + Padded(std::to_string(number), 6) + " : " + wholeName + "\r\n";
    text += "# Name    |Descr                         |Type[A/S/U]|DBTableName|ReUsable  \r\n";
    text += "T=" + Padded(identifier, 8) + "|" + Padded(wholeName.substr(0, 30), 30) + "|A          |" +
            Padded(identifier, 11) + "|1         \r\n";
    text += "#-----Fields-------\r\n# Name      |Descr               |Type|Length|Precision\r\n";
    for (const Field& field : fields) {
        text += "F=" + Padded(field.name, 10) + "|" + Padded(field.description, 20) + "|" +
                Padded(std::string(1, field.type), 4) + "|" + Padded(std::to_string(field.length), 6) + "|" +
                Padded(std::to_string(field.decimals), 9) + "\r\n";
    }
    text +=
        "#----Indexes------\r\n# Name     |Descr         |Unique|Indexed fields"
        "                                              |DBName     \r\n";
    text += "I=" + Padded(index, 9) + "|              |0     |" + Padded(index, 60) + "|" + Padded(index, 11) + "\r\n";
}

// A table of another kind, with its own invented properties: catalogs, document headers and lines, registers.
void AppendOtherTable(std::string& text, int64_t number, Random& random) {
    static const char* const kPrefixes[] = {"SC", "DH", "DT", "RA", "RG"};
    const auto kind = random.Below(std::size(kPrefixes));
    const std::string id = std::to_string(100 + number * 7);
    const std::string wholeName = std::string(kKinds[kind == 0  ? 0
                                                     : kind < 3 ? 1
                                                                : 2]) +
                                  " " + kWords[random.Below(std::size(kWords))] +
                                  kWords[random.Below(std::size(kWords))];
    std::vector<Field> fields;
    if (kind == 0) {
        fields = {{"ID", "ID object", 'C', 9, 0},
                  {"PARENTID", "ID parent obj", 'C', 9, 0},
                  {"CODE", "object code", 'C', 8, 0},
                  {"DESCR", "object description", 'C', 50, 0},
                  {"ISMARK", "Flag Object is Marke", 'C', 1, 0},
                  {"VERSTAMP", "Version stamp", 'N', 6, 0}};
    } else {
        fields = {{"IDDOC", "ID Document", 'C', 9, 0}};
        if (kind == 2) fields.push_back({"LINENO", "LineNo", 'N', 4, 0});
    }
    const uint32_t properties = 3 + random.Below(30);
    for (uint32_t property = 0; property < properties; ++property) {
        Field field{"SP" + id + "_" + std::to_string(property),
                    std::string("(P)") + kProperties[random.Below(std::size(kProperties))], 'D', 8, 0};
        switch (random.Below(3)) {
            case 0:
                field.type = 'C';
                field.length = 9 + 10 * random.Below(10);
                break;
            case 1:
                field.type = 'N';
                field.length = 14;
                field.decimals = 2 + random.Below(2);
                break;
            default:
                break;
        }
        fields.push_back(field);
    }
    AppendTable(text, number, kPrefixes[kind] + id, wholeName, fields, fields.front().name);
}

}  // namespace

GeneratedTable WriteDocumentLines(std::FILE* out, uint64_t bytes) {
    const uint32_t recordLength = RecordLength(kLineFields);
    const std::string probe = Header(kLineFields, 0);
    const uint64_t room = bytes > probe.size() + 1 ? bytes - probe.size() - 1 : 0;
    const uint64_t rows = std::min<uint64_t>((room + recordLength - 1) / recordLength, UINT32_MAX);
    const std::string header = Header(kLineFields, static_cast<uint32_t>(rows));
    std::fwrite(header.data(), 1, header.size(), out);

    // Records are made into one block of about 1 MB and written a block at a time.
    const size_t perBlock = (size_t{1} << 20) / recordLength;
    std::vector<char> block(perBlock * recordLength);
    DocumentLines lines;
    for (uint64_t written = 0; written < rows;) {
        const size_t count = static_cast<size_t>(std::min<uint64_t>(perBlock, rows - written));
        for (size_t i = 0; i < count; ++i) lines.Write(block.data() + i * recordLength);
        std::fwrite(block.data(), recordLength, count, out);
        written += count;
    }
    std::fputc(0x1A, out);
    return {rows, header.size() + rows * recordLength + 1, lines.Documents()};
}

int64_t WriteBaseDictionary(std::FILE* out, uint64_t bytes) {
    std::string text = "#AccWare Data Dictionary\r\nD=DDV7120|AccWare Data Dictionary (DDCP=_CUSTOM)|\r\n#\r\n";
    // Константы, Журналы: the system tables come first.
    AppendTable(text, 0, "1SCONST", "\xCA\xEE\xED\xF1\xF2\xE0\xED\xF2\xFB",
                {{"OBJID", "ID obj(0-cons )", 'C', 9, 0},
                 {"ID", "ID parameter", 'C', 4, 0},
                 {"DATE", "Fix date", 'D', 8, 0},
                 {"VALUE", "valume", 'C', 23, 0}},
                "IDD");
    AppendTable(text, 1, "1SJOURN", "\xC6\xF3\xF0\xED\xE0\xEB\xFB",
                {{"IDJOURNAL", "ID of Journal", 'C', 4, 0},
                 {"IDDOC", "ID Document", 'C', 9, 0},
                 {"IDDOCDEF", "ID Def Document", 'C', 4, 0},
                 {"DATE", "date", 'D', 8, 0},
                 {"TIME", "Time", 'C', 6, 0},
                 {"DOCNO", "Document No", 'C', 10, 0}},
                "IDDOC");
    Random random;
    int64_t tables = 2;
    // The generated table and its header stand in the middle of the dictionary (about half of it before them).
    bool generatedWritten = false;
    while (text.size() < bytes || !generatedWritten) {
        if (!generatedWritten && text.size() >= bytes / 2) {
            AppendTable(text, tables++, kGeneratedHeaderIdentifier, kHeaderName,
                        std::vector<Field>(std::begin(kHeaderFields), std::end(kHeaderFields)), "IDDOC");
            AppendTable(text, tables++, kGeneratedTableIdentifier, kLinesName,
                        std::vector<Field>(std::begin(kLineFields), std::end(kLineFields)), "IDDOC");
            generatedWritten = true;
            continue;
        }
        AppendOtherTable(text, tables++, random);
    }
    std::fwrite(text.data(), 1, text.size(), out);
    return tables;
}

GeneratedTable WriteDocumentHeaders(std::FILE* out, uint64_t documents) {
    const uint32_t recordLength = RecordLength(kHeaderFields);
    const uint64_t rows = std::min<uint64_t>(documents, UINT32_MAX);
    const std::string header = Header(kHeaderFields, static_cast<uint32_t>(rows));
    std::fwrite(header.data(), 1, header.size(), out);
    Random random;
    std::vector<char> record(recordLength);
    for (uint64_t document = 1; document <= rows; ++document) {
        record[0] = ' ';
        PutObjectId(record.data() + 1, document);
        PutObjectId(record.data() + 10, 1 + random.Below(5000));
        std::fwrite(record.data(), 1, record.size(), out);
    }
    std::fputc(0x1A, out);
    return {rows, header.size() + rows * recordLength + 1, rows};
}

}  // namespace dd::bench
