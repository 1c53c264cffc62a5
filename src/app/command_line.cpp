#include "app/command_line.h"

#include <utility>

namespace app {

namespace {
std::vector<std::string>& Parameters() {
  static std::vector<std::string> parameters;
  return parameters;
}
}  // namespace

void SetParameters(std::vector<std::string> parameters) { Parameters() = std::move(parameters); }

std::string Parameter(int n) {
  const auto& parameters = Parameters();
  if (n < 1 || static_cast<size_t>(n) > parameters.size()) return std::string();
  return parameters[static_cast<size_t>(n) - 1];
}

int ParameterCount() { return static_cast<int>(Parameters().size()); }

}  // namespace app
