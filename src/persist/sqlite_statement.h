#pragma once
// A prepared SQLite statement that finalises itself, with the few bindings and columns the
// record needs; every failure reads as a statement that is not ready or a step that failed.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace yacht {

// One prepared statement of an open database.
class SqliteStatement {
public:
    SqliteStatement(sqlite3* db, std::string_view sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    bool ready() const { return stmt_ != nullptr; }
    // Parameters are counted from 1, as SQLite counts them.
    SqliteStatement& bind(int at, int64_t value);
    SqliteStatement& bind(int at, double value);
    SqliteStatement& bind(int at, std::optional<double> value);  // NULL for none
    SqliteStatement& bindNull(int at);
    // The next row: true while there is one.
    bool row();
    // Runs a statement that returns no rows: true when it ran to the end.
    bool run();
    // The SQLite result code of the last step.
    int lastCode() const { return lastCode_; }

    // Columns of the current row, counted from 0; a text where a number belongs reads leniently.
    int64_t integer(int column) const;
    double real(int column) const;
    bool isNull(int column) const;
    std::optional<double> optionalReal(int column) const;
    std::string text(int column) const;

private:
    sqlite3_stmt* stmt_ = nullptr;
    int lastCode_ = 0;
};

// Runs one or more statements without parameters; true when all ran.
bool execute(sqlite3* db, const char* sql);

}  // namespace yacht
