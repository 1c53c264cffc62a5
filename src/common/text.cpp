#include "common/text.h"

#include "platform/platform.h"

namespace common {

std::string SystemToUtf8(std::string_view text) { return platform::SystemToUtf8(text); }

std::string Utf8ToSystem(std::string_view text) { return platform::Utf8ToSystem(text); }

std::string ToConsoleCodePage(std::string_view text) { return platform::Utf8ToConsole(text); }

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

std::string DropLast(std::string_view text, size_t count) {
  return text.size() > count ? std::string(text.substr(0, text.size() - count)) : std::string();
}

}  // namespace common
