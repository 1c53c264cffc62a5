// The one error type of the program: a message text, raised where a fault is found and
// caught where an operation decides what to print.
#pragma once

#include <stdexcept>
#include <string>

namespace common {

class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace common
