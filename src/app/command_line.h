// The command-line parameters of the run, as the platform split them.
#pragma once

#include <string>
#include <vector>

namespace app {

// Stores the parameters after the program name; called once at start.
void SetParameters(std::vector<std::string> parameters);

// Parameter n (1-based), unconverted; empty beyond the last one.
std::string Parameter(int n);

// The number of parameters, without the program name.
int ParameterCount();

}  // namespace app
