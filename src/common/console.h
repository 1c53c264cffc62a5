// Console output: every message, listing and help line of the program goes to standard
// output and ends with CR LF, on every system.
#pragma once

#include <string_view>

namespace common {

// Writes the text unconverted, followed by CR LF.
void WriteLine(std::string_view text);

}  // namespace common
