#include "persist/sqlite_statement.h"

#include <sqlite3.h>

namespace yacht {

SqliteStatement::SqliteStatement(sqlite3* db, std::string_view sql)
{
    if (!db || sqlite3_prepare_v2(db, sql.data(), int(sql.size()), &stmt_, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
    }
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(stmt_);
}

SqliteStatement& SqliteStatement::bind(int at, int64_t value)
{
    if (stmt_) sqlite3_bind_int64(stmt_, at, value);
    return *this;
}

SqliteStatement& SqliteStatement::bind(int at, double value)
{
    if (stmt_) sqlite3_bind_double(stmt_, at, value);
    return *this;
}

SqliteStatement& SqliteStatement::bind(int at, std::optional<double> value)
{
    return value ? bind(at, *value) : bindNull(at);
}

SqliteStatement& SqliteStatement::bindNull(int at)
{
    if (stmt_) sqlite3_bind_null(stmt_, at);
    return *this;
}

bool SqliteStatement::row()
{
    if (!stmt_) return false;
    lastCode_ = sqlite3_step(stmt_);
    return lastCode_ == SQLITE_ROW;
}

bool SqliteStatement::run()
{
    if (!stmt_) return false;
    do lastCode_ = sqlite3_step(stmt_);
    while (lastCode_ == SQLITE_ROW);
    return lastCode_ == SQLITE_DONE;
}

int64_t SqliteStatement::integer(int column) const
{
    return stmt_ ? sqlite3_column_int64(stmt_, column) : 0;
}

double SqliteStatement::real(int column) const
{
    return stmt_ ? sqlite3_column_double(stmt_, column) : 0.0;
}

bool SqliteStatement::isNull(int column) const
{
    return !stmt_ || sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

std::optional<double> SqliteStatement::optionalReal(int column) const
{
    if (isNull(column)) return std::nullopt;
    return real(column);
}

std::string SqliteStatement::text(int column) const
{
    const unsigned char* t = stmt_ ? sqlite3_column_text(stmt_, column) : nullptr;
    return t ? std::string(reinterpret_cast<const char*>(t)) : std::string();
}

bool execute(sqlite3* db, const char* sql)
{
    return db && sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

}  // namespace yacht
