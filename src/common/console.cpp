#include "common/console.h"

#include <string>

#include "platform/platform.h"

namespace common {

void WriteLine(std::string_view text) {
  std::string line(text);
  line += "\r\n";
  platform::WriteStdout(line);
}

}  // namespace common
