#include "app/application.h"

#include <cstdio>

#include "app/command_line.h"
#include "app/disc_path.h"
#include "app/help.h"
#include "app/options.h"
#include "bluray/bluray_exports.h"
#include "bluray/bluray_named_exports.h"
#include "bluray/playlist_listings.h"
#include "common/console.h"
#include "common/error.h"
#include "common/integer.h"
#include "common/text.h"
#include "db/database_mode.h"
#include "dvd/dvd_exports.h"
#include "dvd/dvd_listings.h"
#include "dvd/dvd_named_exports.h"
#include "platform/platform.h"

namespace app {

namespace {

using common::StartsWith;
using common::SystemToUtf8;
using common::WriteLine;

// Where an escaped exception is reported to have arisen; any eight hex digits serve.
constexpr unsigned kOperationErrorAddress = 0x00401000;
constexpr size_t kReportLimit = 255;

bool IfoCheck(const std::string& file_name) {
  if (platform::FileExists(common::Utf8ToSystem(file_name))) return true;
  WriteLine("The ifo file could not be found.");
  WriteLine("Please check the 2. parameter.");
  return false;
}

bool TitleCheck(std::int32_t title) {
  if (title > 0) return true;
  WriteLine("The title must be an integer and greater than 0.");
  WriteLine("Please check the 3. parameter.");
  return false;
}

}  // namespace

bool IsDrivePath(const std::string& text) { return platform::IsDrivePath(text); }

void ReportException(const std::exception& error, unsigned address) {
  char hex[9];
  std::snprintf(hex, sizeof hex, "%08X", address);
  std::string message = error.what();
  if (message.empty() || message.back() != '.') message += '.';
  std::string text = std::string("exception at ") + hex + ":\n" + message;
  if (text.size() > kReportLimit) text.resize(kReportLimit);
  WriteLine(text);
}

void TtessellaPilotCLI::Run() {
  while (!stop_) {
    try {
      RunCommandLine();
    } catch (const std::exception& error) {
      ReportException(error, kOperationErrorAddress);
      if (stop_on_exception_) stop_ = true;
    }
  }
}

void TtessellaPilotCLI::RunCommandLine() {
  std::string error = ValidateOptions(kShortOptions, kLongOptions);
  if (!error.empty()) {
    ReportException(common::Error(error), 0);
    stop_ = true;
    return;
  }
  if (OptionPresent('h', "help")) {
    ShowHelp();
  } else if (OptionPresent('a', "anleitung")) {
    ShowGermanHelp();
  } else if (StartsWith(Parameter(1), "--user=")) {
    RunDatabaseMode();
  } else {
    RunDiscMode();
  }
  stop_ = true;
}

void TtessellaPilotCLI::RunDatabaseMode() {
  if (!CheckDatabaseParameters()) return;
  std::string user = SystemToUtf8(OptionValue("user"));
  std::string password = SystemToUtf8(OptionValue("pass"));
  std::string value;
  std::string kind;
  if (OptionPresent("mid")) {
    value = OptionValue("mid");
    kind = "m";
  }
  if (OptionPresent("range")) {
    value = OptionValue("range");
    kind = "r";
  }
  if (OptionPresent("title")) {
    value = SystemToUtf8(OptionValue("title"));
    kind = "t";
  }
  db::RunDatabaseMode(user, password, value, kind, Parameter(4));
}

void TtessellaPilotCLI::RunDiscMode() {
  const std::string disc_path = SystemToUtf8(Parameter(1));
  if (!IsDrivePath(disc_path)) return;
  const int count = ParameterCount();
  const std::string structure = DetectDiscStructure(disc_path);
  if (structure == "DVD") {
    const std::string folder = ResolveDvdFolder(disc_path);
    RunDvdCases(folder, folder + Parameter(2) + ".IFO", count);
  } else if (structure == "Bluray") {
    const std::string folder = ResolveBlurayFolder(disc_path);
    if (count == 1) {
      bluray::ListPlaylists(folder);
    } else {
      RunBlurayCases(folder + Parameter(2) + ".mpls", count);
    }
  } else {
    WriteLine("No Bluray or DVD structure detected!");
  }
}

void TtessellaPilotCLI::RunDvdCases(const std::string& folder, const std::string& file_name, int count) {
  const std::int32_t title = common::ToIntegerOr(Parameter(3), -1);
  switch (count) {
    case 1:
      dvd::ListDvdTitleSets(folder);
      break;
    case 2:
      dvd::ShowTitleSet(file_name);
      break;
    case 3:
      dvd::ShowDvdTitleChapters(file_name, title);
      break;
    case 4: {
      if (!IfoCheck(file_name) || !TitleCheck(title)) return;
      const std::string option = Parameter(4);
      if (StartsWith(option, "--ogg=")) dvd::ExportDvdOgg(file_name, SystemToUtf8(OptionValue("ogg")), title);
      if (StartsWith(option, "--xml=")) dvd::ExportDvdXml(file_name, SystemToUtf8(OptionValue("xml")), title);
      break;
    }
    case 7: {
      if (!IfoCheck(file_name) || !CheckMySqlLibrary() || !TitleCheck(title)) return;
      const std::string user = SystemToUtf8(OptionValue("user"));
      const std::string password = SystemToUtf8(OptionValue("pass"));
      const std::string movie_id = OptionValue("mid");
      const std::string option = Parameter(4);
      if (StartsWith(option, "--ogg=")) {
        dvd::ExportDvdOggNamed(title, file_name, SystemToUtf8(OptionValue("ogg")), user, password, movie_id);
      }
      if (StartsWith(option, "--xml=")) {
        dvd::ExportDvdXmlNamed(title, file_name, SystemToUtf8(OptionValue("xml")), user, password, movie_id);
      }
      break;
    }
    default:
      break;
  }
}

void TtessellaPilotCLI::RunBlurayCases(const std::string& file_name, int count) {
  const std::string option = Parameter(3);
  switch (count) {
    case 2:
      bluray::ShowPlaylist(file_name);
      break;
    case 3:
      if (!platform::FileExists(common::Utf8ToSystem(file_name))) {
        WriteLine("The MPLS parameter is invalid.");
        return;
      }
      if (StartsWith(option, "--ogg=")) bluray::ExportBlurayOgg(file_name, SystemToUtf8(OptionValue("ogg")));
      if (StartsWith(option, "--xml=")) bluray::ExportBlurayXml(file_name, SystemToUtf8(OptionValue("xml")));
      break;
    case 6: {
      if (!CheckMySqlLibrary() || !CheckNamedExportParameters()) return;
      const std::string user = SystemToUtf8(OptionValue("user"));
      const std::string password = SystemToUtf8(OptionValue("pass"));
      const std::string movie_id = OptionValue("mid");
      if (StartsWith(option, "--ogg=")) {
        bluray::ExportBlurayOggNamed(file_name, SystemToUtf8(OptionValue("ogg")), user, password, movie_id);
      }
      if (StartsWith(option, "--xml=")) {
        bluray::ExportBlurayXmlNamed(file_name, SystemToUtf8(OptionValue("xml")), user, password, movie_id);
      }
      break;
    }
    default:
      break;
  }
}

}  // namespace app
