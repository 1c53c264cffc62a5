#include "db/database_context.h"

#include "common/error.h"
#include "common/integer.h"
#include "db/client_charset.h"
#include "db/client_library.h"
#include "platform/platform.h"

namespace db {

namespace {

constexpr const char* kHost = TESSELLA_DB_HOST;
constexpr const char* kAccount = TESSELLA_DB_ACCOUNT;
constexpr const char* kPassword = TESSELLA_DB_PASSWORD;

struct DatabaseContext {
  const ClientLibrary* api = nullptr;
  // Kept even when connecting fails: the handle lives, like everything here, until the
  // process ends.
  MYSQL* handle = nullptr;
  bool connected = false;
  bool transaction_started = false;
  Query query;
};

DatabaseContext& Context() {
  static DatabaseContext context;
  return context;
}

DatabaseContext& OpenContext() {
  DatabaseContext& context = Context();
  if (!context.connected) throw common::Error("The chapter database is not open.");
  return context;
}

[[noreturn]] void FailStatement(const DatabaseContext& context) {
  throw common::Error(std::string("Error executing query: ") + context.api->error_text(context.handle));
}

// Sends one statement and returns its result (nullptr for a statement without one).
// Further results of the same answer are read and dropped.
MYSQL_RES* Execute(DatabaseContext& context, const std::string& statement) {
  const ClientLibrary& api = *context.api;
  if (api.real_query(context.handle, statement.data(), statement.size()) != 0) FailStatement(context);
  MYSQL_RES* result = api.store_result(context.handle);
  if (result == nullptr && api.field_count(context.handle) != 0) FailStatement(context);
  while (api.more_results(context.handle)) {
    if (api.next_result(context.handle) > 0) {
      if (result != nullptr) api.free_result(result);
      FailStatement(context);
    }
    if (MYSQL_RES* extra = api.store_result(context.handle)) api.free_result(extra);
  }
  return result;
}

void StartTransactionOnce(DatabaseContext& context) {
  if (context.transaction_started) return;
  Execute(context, "START TRANSACTION");
  context.transaction_started = true;
}

bool SameColumnName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace

void OpenChapterDatabase() {
  DatabaseContext& context = Context();
  if (context.connected) return;
  context.api = &LoadClientLibrary();
  const ClientLibrary& api = *context.api;
  if (context.handle == nullptr) context.handle = api.init(nullptr);
  // Texts from and to the server are in the system code page, as the rest of the program
  // takes them.
  const std::string charset = ClientCharsetFor(platform::SystemCodePageName());
  if (context.handle != nullptr) api.options(context.handle, MYSQL_SET_CHARSET_NAME, charset.c_str());
  if (context.handle == nullptr ||
      api.real_connect(context.handle, kHost, kAccount, kPassword, nullptr, 0, nullptr, CLIENT_MULTI_RESULTS) ==
          nullptr) {
    throw common::Error("Server connect failed.");
  }
  if (api.select_db(context.handle, kAccount) != 0) {
    throw common::Error(std::string("failed to select database: ") + api.error_text(context.handle));
  }
  context.connected = true;
}

void Query::Close() {
  columns_.clear();
  rows_.clear();
  cursor_ = 0;
}

void Query::Assign(std::vector<std::string> columns, std::vector<Row> rows) {
  columns_ = std::move(columns);
  rows_ = std::move(rows);
  cursor_ = 0;
}

void Query::Next() {
  if (cursor_ < rows_.size()) ++cursor_;
}

std::size_t Query::ColumnIndex(std::string_view column) const {
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    if (SameColumnName(columns_[i], column)) return i;
  }
  throw common::Error("Field not found : \"" + std::string(column) + "\"");
}

std::string Query::FieldText(std::string_view column) const {
  const std::size_t index = ColumnIndex(column);
  if (cursor_ >= rows_.size()) return std::string();
  const auto& value = rows_[cursor_][index];
  return value ? *value : std::string();
}

std::int32_t Query::FieldInteger(std::string_view column) const {
  const std::string text = FieldText(column);
  return text.empty() ? 0 : common::ToIntegerOrThrow(text);
}

Query& RunQuery(const std::string& statement) {
  DatabaseContext& context = OpenContext();
  const ClientLibrary& api = *context.api;
  context.query.Close();
  StartTransactionOnce(context);
  MYSQL_RES* result = Execute(context, statement);
  std::vector<std::string> columns;
  std::vector<Query::Row> rows;
  if (result != nullptr) {
    const unsigned column_count = api.num_fields(result);
    for (unsigned i = 0; i < column_count; ++i) {
      const MYSQL_FIELD* field = api.fetch_field_direct(result, i);
      columns.emplace_back(field != nullptr && field->name != nullptr ? field->name : "");
    }
    while (MYSQL_ROW row = api.fetch_row(result)) {
      const unsigned long* lengths = api.fetch_lengths(result);
      Query::Row values(column_count);
      for (unsigned i = 0; i < column_count; ++i) {
        if (row[i] != nullptr) values[i] = std::string(row[i], lengths != nullptr ? lengths[i] : 0);
      }
      rows.push_back(std::move(values));
    }
    api.free_result(result);
  }
  context.query.Assign(std::move(columns), std::move(rows));
  return context.query;
}

void RunStatementAndCommit(const std::string& statement) {
  DatabaseContext& context = OpenContext();
  const ClientLibrary& api = *context.api;
  context.query.Close();
  StartTransactionOnce(context);
  if (MYSQL_RES* result = Execute(context, statement)) api.free_result(result);
  if (MYSQL_RES* result = Execute(context, "COMMIT AND CHAIN")) api.free_result(result);
}

std::string Quote(std::string_view value) {
  DatabaseContext& context = OpenContext();
  std::string escaped(value.size() * 2 + 1, '\0');
  const unsigned long length =
      context.api->real_escape_string(context.handle, escaped.data(), value.data(), value.size());
  if (length == static_cast<unsigned long>(-1)) {
    throw common::Error("Unable to escape the value \"" + std::string(value) + "\"");
  }
  escaped.resize(length);
  return "'" + escaped + "'";
}

}  // namespace db
