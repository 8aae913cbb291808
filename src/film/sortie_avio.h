#pragma once

extern "C" {
#include <libavformat/avformat.h>
}

#include "persistence/ecriture_atomique.h"

namespace orvane {

// FFmpeg's output over an atomic write: the muxer writes, seeks back to fill in sizes, and
// reads its own bytes again to put an MP4's index first, all in the unnamed temporary
// file, so that a failed, stopped or killed film leaves nothing behind.
class SortieAvio {
 public:
  explicit SortieAvio(EcritureAtomique& fichier);
  ~SortieAvio();
  SortieAvio(const SortieAvio&) = delete;
  SortieAvio& operator=(const SortieAvio&) = delete;

  // Gives `format` this output, and the means to read it again.
  void brancher(AVFormatContext* format);
  // Null when memory ran short.
  AVIOContext* contexte() const { return contexte_; }

 private:
  EcritureAtomique& fichier_;
  AVIOContext* contexte_ = nullptr;
  std::int64_t position_ = 0;
};

}  // namespace orvane
