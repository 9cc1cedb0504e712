#include "base/ReadableViews.h"

#include "base/ReadableNames.h"

namespace dd {

std::string QuotedSqlName(const std::string& name, SqlDialect dialect) {
    const char open = dialect == SqlDialect::kTsql ? '[' : '"';
    const char close = dialect == SqlDialect::kTsql ? ']' : '"';
    std::string quoted(1, open);
    for (const char c : name) {
        quoted += c;
        if (c == close) quoted += close;
    }
    quoted += close;
    return quoted;
}

namespace {

std::string QualifiedName(const std::string& name, SqlDialect dialect) {
    return dialect == SqlDialect::kTsql ? "[dbo]." + QuotedSqlName(name, dialect) : QuotedSqlName(name, dialect);
}

// An SQL Server string literal of Unicode text: N'...' with a single quote doubled.
std::string UnicodeLiteral(const std::string& text) {
    std::string literal = "N'";
    for (const char c : text) {
        literal += c;
        if (c == '\'') literal += '\'';
    }
    return literal + "'";
}

}  // namespace

std::vector<std::string> ViewStatements(const ReadableView& view, SqlDialect dialect) {
    const std::string name = QualifiedName(view.name, dialect);
    std::string drop = dialect == SqlDialect::kTsql
                           ? "IF OBJECT_ID(" + UnicodeLiteral(name) + ", N'V') IS NOT NULL DROP VIEW " + name
                           : "DROP VIEW IF EXISTS " + name;
    std::string create = "CREATE VIEW " + name + " AS\nSELECT ";
    for (size_t i = 0; i < view.columns.size(); ++i) {
        const ViewColumn& column = view.columns[i];
        if (i > 0) create += ",\n       ";
        create += QuotedSqlName(column.column, dialect);
        if (column.readableName != column.column) create += " AS " + QuotedSqlName(column.readableName, dialect);
    }
    create += "\nFROM " + QualifiedName(view.table, dialect);
    return {std::move(drop), std::move(create)};
}

std::vector<ReadableView> DictionaryViews(const DictionaryTables& dictionary) {
    std::vector<NamedTable> named;
    for (const DictionaryTable& table : dictionary.tables) named.push_back({table.identifier, table.Name()});
    const std::vector<std::string> names = ReadableTableNames(named);
    std::vector<ReadableView> views;
    for (size_t i = 0; i < dictionary.tables.size(); ++i) {
        const DictionaryTable& table = dictionary.tables[i];
        if (table.fields.empty()) continue;
        std::vector<NamedColumn> columns;
        for (const DictionaryField& field : table.fields) columns.push_back({field.name, field.description});
        const std::vector<std::string> readable = ReadableColumnNames(columns);
        ReadableView view{table.identifier, names[i], {}};
        for (size_t k = 0; k < columns.size(); ++k) view.columns.push_back({columns[k].column, readable[k]});
        views.push_back(std::move(view));
    }
    return views;
}

std::string ViewsScript(const std::vector<ReadableView>& views, SqlDialect dialect) {
    std::string script;
    for (const ReadableView& view : views) {
        if (view.columns.empty()) continue;
        for (const std::string& statement : ViewStatements(view, dialect)) {
            script += statement + ";\n";
            if (dialect == SqlDialect::kTsql) script += "GO\n";
        }
        script += "\n";
    }
    return script;
}

}  // namespace dd
