#include "app/options.h"

#include <optional>
#include <vector>

#include "app/command_line.h"
#include "common/console.h"
#include "common/program_folder.h"
#include "common/text.h"
#include "platform/platform.h"

namespace app {

namespace {

using common::StartsWith;

std::vector<std::string_view> SplitLongList(std::string_view list) {
  std::vector<std::string_view> entries;
  size_t pos = 0;
  while (pos < list.size()) {
    size_t start = list.find_first_not_of(" \t\r\n", pos);
    if (start == std::string_view::npos) break;
    size_t end = list.find_first_of(" \t\r\n", start);
    if (end == std::string_view::npos) end = list.size();
    entries.push_back(list.substr(start, end - start));
    pos = end;
  }
  return entries;
}

bool HasEntry(const std::vector<std::string_view>& entries, std::string_view entry) {
  for (std::string_view e : entries) {
    if (e == entry) return true;
  }
  return false;
}

std::string InvalidOption(int position, std::string_view text) {
  return "Invalid option at position " + std::to_string(position) + ": \"" + std::string(text) + "\"";
}

// The name a parameter gives an option, or nullopt when it names none: "-h" names h,
// "--help" names help, "--ogg=a" names ogg.
std::optional<std::string_view> NamedOption(std::string_view parameter) {
  if (!StartsWith(parameter, "-")) return std::nullopt;
  std::string_view rest = parameter.substr(1);
  if (!StartsWith(rest, "-")) return rest;
  rest.remove_prefix(1);
  return rest.substr(0, rest.find('='));
}

// The 1-based position of the last parameter naming the option, or 0.
int FindOption(std::string_view name) {
  for (int i = ParameterCount(); i >= 1; --i) {
    std::string parameter = Parameter(i);
    if (NamedOption(parameter) == name) return i;
  }
  return 0;
}

}  // namespace

std::string ValidateOptions(std::string_view short_letters, std::string_view long_list) {
  const std::vector<std::string_view> entries = SplitLongList(long_list);
  for (int i = 1; i <= ParameterCount(); ++i) {
    const std::string parameter = Parameter(i);
    if (!StartsWith(parameter, "-")) continue;
    if (parameter == "-") return InvalidOption(i, parameter);
    if (StartsWith(parameter, "--")) {
      std::string_view name = std::string_view(parameter).substr(2);
      size_t equals = name.find('=');
      bool has_value = equals != std::string_view::npos;
      name = name.substr(0, equals);
      std::string key(name);
      if (HasEntry(entries, key)) {
        if (has_value) {
          return "Option at position " + std::to_string(i) + " does not allow an argument: " + key;
        }
      } else if (HasEntry(entries, key + ":")) {
        if (!has_value) {
          return "Option at position " + std::to_string(i) + " needs an argument : " + key;
        }
      } else if (!HasEntry(entries, key + "::")) {
        return InvalidOption(i, name);
      }
      continue;
    }
    for (char letter : std::string_view(parameter).substr(1)) {
      if (letter == ':' || short_letters.find(letter) == std::string_view::npos) {
        return InvalidOption(i, std::string(1, letter));
      }
    }
  }
  return std::string();
}

bool OptionPresent(char letter, std::string_view long_name) {
  return FindOption(std::string(1, letter)) != 0 || FindOption(long_name) != 0;
}

bool OptionPresent(std::string_view long_name) { return FindOption(long_name) != 0; }

std::string OptionValue(std::string_view long_name) {
  int position = FindOption(long_name);
  if (position == 0) return std::string();
  std::string parameter = Parameter(position);
  if (StartsWith(parameter, "--")) {
    size_t equals = parameter.find('=');
    return equals == std::string::npos ? std::string() : parameter.substr(equals + 1);
  }
  // The single-dash form takes the next parameter as its value.
  std::string next = Parameter(position + 1);
  return StartsWith(next, "-") ? std::string() : next;
}

bool CheckDatabaseParameters() {
  if (!CheckMySqlLibrary()) return false;
  if (!StartsWith(Parameter(2), "--pass=")) {
    common::WriteLine("2. parameter not found or invalid.");
    return false;
  }
  const std::string third = Parameter(3);
  if (StartsWith(third, "--range=") || StartsWith(third, "--title=") || StartsWith(third, "--mid=")) {
    return true;
  }
  common::WriteLine("3. parameter not found or invalid.");
  return false;
}

bool CheckNamedExportParameters() {
  if (!StartsWith(Parameter(4), "--user=")) {
    common::WriteLine("4. parameter not found or invalid.");
    return false;
  }
  if (!StartsWith(Parameter(5), "--pass=")) {
    common::WriteLine("5. parameter not found or invalid.");
    return false;
  }
  if (StartsWith(Parameter(6), "--mid=")) return true;
  common::WriteLine("6. parameter not found or invalid.");
  return false;
}

bool CheckMySqlLibrary() {
  std::string library = common::ProgramFolder() + platform::kMySqlLibraryFile;
  if (platform::FileExists(common::Utf8ToSystem(library))) return true;
  common::WriteLine("The libmySQL.dll could not be found.");
  return false;
}

}  // namespace app
