// The one database context of a run: the connection to the chapter database with its
// built-in host, account (also the schema) and password, the one transaction every
// statement runs in, and the one query whose statement and whole result are in memory.
// It is opened at most once and lives until the process ends: no statement rolls back,
// nothing disconnects.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace db {

// Loads the client library, connects (port 0, no socket, multiple results allowed) and
// selects the schema. Does nothing once the context is open. Fails with the
// library-load or version message, "Server connect failed." or
// "failed to select database: <client library's error text>".
void OpenChapterDatabase();

// The result of the last statement: every row in memory, a cursor, values by column name.
class Query {
 public:
  using Row = std::vector<std::optional<std::string>>;  // nullopt: NULL

  // Discards the statement's result.
  void Close();
  // Replaces the result by the given columns and rows; the cursor goes to the first row.
  void Assign(std::vector<std::string> columns, std::vector<Row> rows);

  std::size_t RecordCount() const { return rows_.size(); }
  // Moves the cursor to the first row / to the next one. Past the last row the cursor
  // stays at the end; the values read there are those of no row.
  void First() { cursor_ = 0; }
  void Next();

  // The current row's value of a column as the server delivered it; NULL and "no current
  // row" read as empty text. Fails with "Field not found : "column"".
  std::string FieldText(std::string_view column) const;
  // The value as an integer; NULL and "no current row" read as 0. Fails like FieldText,
  // or with ""text" is an invalid integer".
  std::int32_t FieldInteger(std::string_view column) const;

 private:
  std::size_t ColumnIndex(std::string_view column) const;

  std::vector<std::string> columns_;
  std::vector<Row> rows_;
  std::size_t cursor_ = 0;
};

// Runs a statement with a result on the context's query (which it closes first, so the
// previous result is gone), fetches the whole result and moves to its first row. The
// first statement of the run is preceded by "START TRANSACTION". Fails with
// "Error executing query: <client library's error text>".
Query& RunQuery(const std::string& statement);

// Runs a statement without a result, then commits with "COMMIT AND CHAIN", which opens
// the next transaction at once. Fails like RunQuery.
void RunStatementAndCommit(const std::string& statement);

// The value as a single-quoted SQL string literal, escaped for the connection's
// character set, so that the server receives exactly these bytes. Needs an open context.
std::string Quote(std::string_view value);

}  // namespace db
