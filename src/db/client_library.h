// The MySQL C API as the program reaches it: MariaDB Connector/C, loaded at run time from
// the program folder and never linked, so that disc mode runs without it. Every function
// type is taken from the library's own header, so a call that does not fit the library's
// interface does not compile.
#pragma once

#include <mysql.h>

namespace db {

struct ClientLibrary {
  decltype(&::mysql_get_client_info) get_client_info;
  decltype(&::mysql_init) init;
  decltype(&::mysql_options) options;
  decltype(&::mysql_real_connect) real_connect;
  decltype(&::mysql_select_db) select_db;
  decltype(&::mysql_real_query) real_query;
  decltype(&::mysql_store_result) store_result;
  decltype(&::mysql_more_results) more_results;
  decltype(&::mysql_next_result) next_result;
  decltype(&::mysql_field_count) field_count;
  decltype(&::mysql_num_fields) num_fields;
  decltype(&::mysql_fetch_field_direct) fetch_field_direct;
  decltype(&::mysql_fetch_row) fetch_row;
  decltype(&::mysql_fetch_lengths) fetch_lengths;
  decltype(&::mysql_free_result) free_result;
  decltype(&::mysql_errno) error_number;
  decltype(&::mysql_error) error_text;
  decltype(&::mysql_real_escape_string) real_escape_string;
};

// The major version of the Connector/C header the program is built with; the loaded
// library must have the same one.
int HeaderMajorVersion();

// Loads the client library on first use (later calls return the same functions). Fails
// with the library-load message when the file cannot be loaded or lacks one of the
// functions, and with the version message when its major version is not the header's.
const ClientLibrary& LoadClientLibrary();

}  // namespace db
