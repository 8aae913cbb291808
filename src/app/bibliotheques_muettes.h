#pragma once

#include <cstdio>

namespace orvane {

// While it lives, what the libraries print on C's stderr by themselves goes nowhere: x264
// out of memory writes its own line there, past FFmpeg's log. The program's std::cerr
// keeps the terminal: it writes through the stream it was made with, not the variable.
// Made and ended on a thread with no other running: it swaps a process-wide variable.
class BibliothequesMuettes {
 public:
  BibliothequesMuettes();
  ~BibliothequesMuettes();
  BibliothequesMuettes(const BibliothequesMuettes&) = delete;
  BibliothequesMuettes& operator=(const BibliothequesMuettes&) = delete;

 private:
  std::FILE* avant_;
  std::FILE* muet_;
};

}  // namespace orvane
