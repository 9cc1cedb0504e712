#pragma once

#include <string>
#include <vector>

#include "base/DictionaryTables.h"

namespace dd {

// The SQL that a script of readable views is written in: SQLite's (the database `ddview sqlite` makes) or
// SQL Server's (the SQL edition's database).
enum class SqlDialect { kSqlite, kTsql };

// A column of a view: the table's own column and the readable name it is shown under.
struct ViewColumn {
    std::string column;
    std::string readableName;
};

// A view over one table: named by the table's readable name, its columns renamed.
struct ReadableView {
    std::string table;  // the table's identifier: SC167
    std::string name;   // its readable name: Справочник Контрагенты
    std::vector<ViewColumn> columns;
};

// A name as the dialect quotes it: "name" for SQLite, [name] for SQL Server, the closing character doubled.
std::string QuotedSqlName(const std::string& name, SqlDialect dialect);

// The statements that make the view, in order: drop a view of that name if there is one, create it. For
// SQL Server `[dbo].[Справочник Контрагенты] AS SELECT [ID], [SP3019] AS [Контрагент], ... FROM [dbo].[SC167]`;
// for SQLite the same with names in double quotes. Names are quoted as the dialect quotes them (a "]" or a
// '"' in a name doubled), so any name is taken as it is. Texts in the names' own encoding, unchanged.
std::vector<std::string> ViewStatements(const ReadableView& view, SqlDialect dialect);

// The views of every table of a dictionary that has fields: its columns are its fields, under their readable
// names; its name its readable table name among all the dictionary's tables.
std::vector<ReadableView> DictionaryViews(const DictionaryTables& dictionary);

// A whole script of such views: each statement on its lines, ended by ";", and for SQL Server each batch
// ended by a line "GO". A view without columns is left out: SQL has no empty SELECT.
std::string ViewsScript(const std::vector<ReadableView>& views, SqlDialect dialect);

}  // namespace dd
