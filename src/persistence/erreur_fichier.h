#pragma once

#include <stdexcept>
#include <string>

namespace orvane {

// A file that cannot be read or written; the message names the file. The window's error
// box shows it.
class ErreurFichier : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace orvane
