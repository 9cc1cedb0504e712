#include "bench/DictionaryGenerator.h"

#include <random>
#include <string>

namespace dd::bench {
namespace {

// Windows-1251 words for descriptions: Справочник, Документ, Регистр, Товары, Контрагенты, Сумма, Количество.
const char* const kKinds[] = {"\xD1\xEF\xF0\xE0\xE2\xEE\xF7\xED\xE8\xEA", "\xC4\xEE\xEA\xF3\xEC\xE5\xED\xF2",
                              "\xD0\xE5\xE3\xE8\xF1\xF2\xF0"};
const char* const kWords[] = {"\xD2\xEE\xE2\xE0\xF0\xFB", "\xCA\xEE\xED\xF2\xF0\xE0\xE3\xE5\xED\xF2\xFB",
                              "\xD1\xF3\xEC\xEC\xE0", "\xCA\xEE\xEB\xE8\xF7\xE5\xF1\xF2\xE2\xEE"};

std::string Padded(std::string text, size_t width) {
    if (text.size() > width) text.resize(width);
    text.append(width - text.size(), ' ');
    return text;
}

std::string Word(std::mt19937& random) { return kWords[random() % std::size(kWords)]; }

}  // namespace

int64_t WriteDictionary(std::FILE* out, uint64_t bytes, bool sqlEdition) {
    std::mt19937 random(7);
    std::string text = "#AccWare Data Dictionary\r\nD=DDV7120|AccWare Data Dictionary (DDCP=_CUSTOM)|\r\n#\r\n#\r\n";
    uint64_t written = 0;
    int64_t table = 0;
    while (written + text.size() < bytes) {
        const std::string id = "SC" + std::to_string(100 + table);
        const std::string description = std::string(kKinds[table % 3]) + " " + Word(random) + Word(random);
        text += "#" + std::string(79, '=') + "\r\n";
        text += "#==TABLE no " + Padded(std::to_string(table), 6) + " : " + description + "\r\n";
        if (sqlEdition) {
            text += "# Name    |Descr                         |SQLTableName|RecordLock\r\n";
            text += "T=" + Padded(id, 8) + "|" + Padded(description, 30) + "|" + Padded(id, 12) + "|1         \r\n";
        } else {
            text += "# Name    |Descr                         |Type[A/S/U]|DBTableName|ReUsable  \r\n";
            text += "T=" + Padded(id, 8) + "|" + Padded(description, 30) + "|A          |" + Padded(id, 11) +
                    "|1         \r\n";
        }
        text += "#-----Fields-------\r\n# Name      |Descr               |Type|Length|Precision\r\n";
        const int fields = 5 + static_cast<int>(random() % 30);
        for (int field = 0; field < fields; ++field) {
            const bool number = random() % 3 == 0;
            text += "F=" + Padded("SP" + std::to_string(1000 + field), 10) + "|" + Padded("(P)" + Word(random), 20) +
                    "|" + (number ? "N   |14    |2        " : "C   |50    |0        ") + "\r\n";
        }
        text +=
            "#----Indexes------\r\n# Name     |Descr         |Unique|Indexed fields"
            "                                              |DBName     \r\n";
        text += "I=ID       |              |0     |" + Padded("ID", 60) + "|ID         \r\n#\r\n";
        ++table;
        if (text.size() > (1 << 20)) {
            std::fwrite(text.data(), 1, text.size(), out);
            written += text.size();
            text.clear();
        }
    }
    std::fwrite(text.data(), 1, text.size(), out);
    return table;
}

}  // namespace dd::bench
