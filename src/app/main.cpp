// Program entry: one application object runs its step once; the exit code is always 0.
#include <string>
#include <vector>

#include "app/application.h"
#include "app/command_line.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
  platform::InitialiseProcess();
  app::SetParameters(std::vector<std::string>(argv + 1, argv + argc));
  {
    app::TtessellaPilotCLI application;
    application.Run();
  }
  platform::FlushStdout();
  return 0;
}
