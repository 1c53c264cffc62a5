// The application object: one run step that reads the command line and hands the work to
// exactly one help text, the database mode, or one disc listing or export.
#pragma once

#include <exception>
#include <string>

namespace app {

class TtessellaPilotCLI {
 public:
  TtessellaPilotCLI() = default;

  // Runs RunCommandLine until the stop flag is set (once); an exception escaping it is
  // reported and also stops the run.
  void Run();

  // Reads the command line and runs one operation. Sets the stop flag on every path.
  void RunCommandLine();

  bool Terminated() const { return stop_; }

 private:
  void RunDatabaseMode();
  void RunDiscMode();
  void RunDvdCases(const std::string& folder, const std::string& file_name, int count);
  void RunBlurayCases(const std::string& file_name, int count);

  bool stop_ = false;
  bool stop_on_exception_ = true;
};

// Prints "exception at XXXXXXXX:", a line feed and the message (ending in "."), cut to
// 255 characters, as one console line. `address` is 0 when no exception was in flight.
void ReportException(const std::exception& error, unsigned address);

// True when the text begins with a drive (Windows: a letter and ":"; elsewhere an
// absolute path).
bool IsDrivePath(const std::string& text);

}  // namespace app
