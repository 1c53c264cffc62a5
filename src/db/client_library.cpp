#include "db/client_library.h"

#include <optional>
#include <string>

#include "common/error.h"
#include "common/program_folder.h"
#include "db/client_version.h"
#include "platform/platform.h"

#ifndef MARIADB_PACKAGE_VERSION_ID
#error "the MariaDB Connector/C header (mysql.h with MARIADB_PACKAGE_VERSION_ID) is required"
#endif

namespace db {

namespace {

// The one place where a symbol's address becomes a function pointer of the header's type.
template <typename Function>
bool BindSymbol(void* library, const char* name, Function& function) {
  void* address = platform::LibrarySymbol(library, name);
  function = reinterpret_cast<Function>(address);
  return address != nullptr;
}

std::optional<ClientLibrary> BindAll(void* library) {
  ClientLibrary api{};
  const bool complete = BindSymbol(library, "mysql_get_client_info", api.get_client_info) &&
                        BindSymbol(library, "mysql_init", api.init) &&
                        BindSymbol(library, "mysql_options", api.options) &&
                        BindSymbol(library, "mysql_real_connect", api.real_connect) &&
                        BindSymbol(library, "mysql_select_db", api.select_db) &&
                        BindSymbol(library, "mysql_real_query", api.real_query) &&
                        BindSymbol(library, "mysql_store_result", api.store_result) &&
                        BindSymbol(library, "mysql_more_results", api.more_results) &&
                        BindSymbol(library, "mysql_next_result", api.next_result) &&
                        BindSymbol(library, "mysql_field_count", api.field_count) &&
                        BindSymbol(library, "mysql_num_fields", api.num_fields) &&
                        BindSymbol(library, "mysql_fetch_field_direct", api.fetch_field_direct) &&
                        BindSymbol(library, "mysql_fetch_row", api.fetch_row) &&
                        BindSymbol(library, "mysql_fetch_lengths", api.fetch_lengths) &&
                        BindSymbol(library, "mysql_free_result", api.free_result) &&
                        BindSymbol(library, "mysql_errno", api.error_number) &&
                        BindSymbol(library, "mysql_error", api.error_text) &&
                        BindSymbol(library, "mysql_real_escape_string", api.real_escape_string);
  if (!complete) return std::nullopt;
  return api;
}

}  // namespace

int HeaderMajorVersion() { return MARIADB_PACKAGE_VERSION_ID / 10000; }

const ClientLibrary& LoadClientLibrary() {
  // The library stays loaded until the process ends, as the connection made with it does.
  static std::optional<ClientLibrary> loaded;
  if (loaded) return *loaded;
  const std::string load_name = platform::MySqlLibraryLoadName(common::ProgramFolder());
  void* library = platform::OpenLibrary(load_name);
  std::optional<ClientLibrary> api;
  if (library != nullptr) api = BindAll(library);
  if (!api) {
    const std::string file_name = load_name.substr(common::FolderPart(load_name).size());
    throw common::Error(LibraryLoadMessage(file_name));
  }
  const char* version = api->get_client_info();
  CheckClientVersion(version != nullptr ? version : "", HeaderMajorVersion());
  loaded = api;
  return *loaded;
}

}  // namespace db
