#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "cli/Commands.h"
#include "dictionary/Error.h"
#include "support/TestPaths.h"
#include "support/TestText.h"

namespace dd::cli {
namespace {

using test::Cp;

// Runs a command with its output going to a temporary file, and returns what it wrote.
template <typename Command>
std::string Output(bool raw, Command command) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::tmpfile(), std::fclose);
    TextOutput out(file.get(), raw);
    command(out);
    std::fflush(file.get());
    std::string text(static_cast<size_t>(std::ftell(file.get())), '\0');
    std::rewind(file.get());
    text.resize(std::fread(text.data(), 1, text.size(), file.get()));
    return text;
}

const std::string kSample = test::SamplePath("1Cv7.DD");

std::string ReadSample() {
    std::ifstream file(kSample, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(Commands, ListsTheTablesInFileOrder) {
    const std::string raw = Output(true, [](TextOutput& out) { ListTables(kSample, out); });
    EXPECT_EQ(raw.substr(0, raw.find('\n', raw.find('\n') + 1) + 1),
              "0\t" + Cp(u8"Соединений") + "\n1\t" + Cp(u8"Системная") + "\n");
    const std::string utf8 = Output(false, [](TextOutput& out) { ListTables(kSample, out); });
    EXPECT_EQ(utf8.substr(0, utf8.find('\n') + 1), reinterpret_cast<const char*>(u8"0\tСоединений\n"));
}

TEST(Commands, ShowsEveryRowOfTheChosenTable) {
    const std::string raw = Output(true, [](TextOutput& out) { ShowTable(kSample, 0, out); });
    EXPECT_EQ(raw, Cp(u8"Идентификатор\tОписание\tТип\tДлина\tТочность\n"
                      u8"1SUSERS    \tИдентификатор DBF-таблицы\t\t\t\n"
                      u8"USRSCNT\tNumber of users\tN\t4\t0\n"
                      u8"NETCHGCN\tCount of changes\tN\t10\t0\n"));
}

// In the user's words: which table is missing and which there are, not a list index.
TEST(Commands, ShowOfAMissingTableNamesHowManyTablesThereAre) {
    struct Case {
        std::string bytes;
        int32_t entry;
        std::string message;
    };
    const Case cases[] = {
        {ReadSample(), 21, "no table 21: the dictionary has 21 tables, numbered 0 to 20"},
        {"#==TABLE no 0\n#\nT|a|b|c\n", 1, "no table 1: the dictionary has 1 table, numbered 0"},
        {"#AccWare\n", 0, "not a data dictionary: no table marker (\"#==TABLE no\") in its first 64 KB"},
        {"", 0, "not a data dictionary: no table marker (\"#==TABLE no\") in its first 64 KB"},
        {std::string(70000, 'x') + "\n#==TABLE no 0\n#\nT|a|b|c\n", 0,
         "not a data dictionary: no table marker (\"#==TABLE no\") in its first 64 KB"},
        // A marker that the end of the text (a Ctrl-Z at a line's start) keeps from being read.
        {"\x1A\n#==TABLE no 0\n#\nT|a|b|c\n", 0, "not a data dictionary: it holds no table"},
    };
    for (const Case& c : cases) {
        MemorySource bytes(c.bytes, 7);
        const DictionarySource source{"C:\\base\\1Cv7.DD", bytes};
        std::string printed;
        TextOutput out(printed, true);
        try {
            ShowTable(source, c.entry, Format::kText, out);
            ADD_FAILURE() << "no error for table " << c.entry;
        } catch (const Error& error) {
            EXPECT_EQ(error.Message(), c.message) << c.entry;
        }
    }
}

TEST(Commands, FindsFieldsAndIdentifiersWithLettersFolded) {
    const std::string found = Output(true, [](TextOutput& out) { FindText(kSample, Cp(u8"sp4"), out); });
    EXPECT_EQ(found, Cp(u8"5\tСправочник Контрагенты\t14\tSP40\t(P)Телефоны\tC\t50\t0\n"
                        u8"5\tСправочник Контрагенты\t15\tSP41\t(P)ОсновнойСчет\tC\t9\t0\n"));
    const std::string identifier = Output(true, [](TextOutput& out) { FindText(kSample, "1susers", out); });
    EXPECT_EQ(identifier, Cp(u8"0\tСоединений\t1\t1SUSERS    \tИдентификатор DBF-таблицы\t\t\t\n"));
    // The wording beside the identifier is no field of the table.
    EXPECT_EQ(Output(true, [](TextOutput& out) { FindText(kSample, Cp(u8"dbf-таблицы"), out); }), "");
}

TEST(Commands, ExportsTheViewersTextFile) {
    const std::string bytes = ExportTable(test::SamplePath("1Cv7.DDS"), 0);
    EXPECT_EQ(bytes.substr(0, bytes.find("\r\n", bytes.find("\r\n") + 2) + 2),
              Cp(u8"SQL-таблица объекта Соединений\r\nИдентификатор таблицы: 1SUSERS     \r\n"));
}

}  // namespace
}  // namespace dd::cli
