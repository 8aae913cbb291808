#pragma once

#include <cstdint>
#include <ostream>
#include <string>

namespace orvane {

// A long piece of work's progress on a terminal: a percentage rewritten in place, or, when
// the stream is a file or a pipe, a line every tenth so that a log stays short.
class ProgresTerminal {
 public:
  ProgresTerminal(std::ostream& flux, bool terminal, std::string libelle);

  // Always goes on.
  bool operator()(std::int64_t fait, std::int64_t total);
  // Ends the line left open on a terminal, before any other text.
  void terminer();

 private:
  std::ostream& flux_;
  bool terminal_;
  std::string libelle_;
  int montre_ = -1;  // the percentage last shown
  bool ligne_ouverte_ = false;
};

}  // namespace orvane
