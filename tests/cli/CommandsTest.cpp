#include <gtest/gtest.h>

#include <cstdio>
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

TEST(Commands, ShowOfAMissingTableFailsWithTheListError) {
    try {
        Output(true, [](TextOutput& out) { ShowTable(kSample, 21, out); });
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.Message(), "List index out of bounds (21)");
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
