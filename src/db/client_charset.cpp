#include "db/client_charset.h"

#include <array>
#include <utility>

namespace db {

namespace {

// System code pages (Windows ANSI code pages and POSIX character set names) and the
// server's character sets that hold exactly their characters. The server's latin1 is
// Windows code page 1252, a superset of ISO-8859-1.
constexpr std::array<std::pair<std::string_view, std::string_view>, 22> kCharsets = {{
    {"UTF-8", "utf8mb4"},      {"CP1252", "latin1"},     {"ISO-8859-1", "latin1"},
    {"CP1250", "cp1250"},      {"ISO-8859-2", "latin2"}, {"CP1251", "cp1251"},
    {"KOI8-R", "koi8r"},       {"KOI8-U", "koi8u"},      {"CP1253", "greek"},
    {"ISO-8859-7", "greek"},   {"CP1254", "latin5"},     {"ISO-8859-9", "latin5"},
    {"CP1255", "hebrew"},      {"ISO-8859-8", "hebrew"}, {"CP1256", "cp1256"},
    {"CP1257", "cp1257"},      {"ISO-8859-13", "latin7"}, {"CP874", "tis620"},
    {"CP932", "cp932"},        {"CP936", "gbk"},         {"CP949", "euckr"},
    {"CP950", "big5"},
}};

}  // namespace

std::string ClientCharsetFor(std::string_view code_page_name) {
  for (const auto& [code_page, charset] : kCharsets) {
    if (code_page == code_page_name) return std::string(charset);
  }
  return "utf8mb4";
}

}  // namespace db
