#include "db/client_version.h"

#include "common/error.h"
#include "common/text.h"

namespace db {

std::string LibraryLoadMessage(std::string_view library_name) {
  const std::string quoted = "\"" + std::string(library_name) + "\"";
  return "Can not load default MySQL library (" + quoted + " or " + quoted + "). Check your installation.";
}

void CheckClientVersion(std::string_view version_text, int expected_major) {
  const std::string prefix = std::to_string(expected_major) + ".";
  if (common::StartsWith(version_text, prefix)) return;
  throw common::Error("Wrong MySQL client library version: expected " + prefix + "x, found \"" +
                      std::string(version_text) + "\".");
}

}  // namespace db
