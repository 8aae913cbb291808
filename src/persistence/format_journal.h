#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <stdexcept>

#include "journal/journal.h"

namespace orvane {

// The .orvane format (docs/format_orvane.md): a magic and a version, then the entries,
// each stored as what changed since the entry before it.
inline constexpr char kMagieJournal[8] = {'\x89', 'O', 'R', 'V', '\r', '\n', '\x1a', '\n'};
inline constexpr std::uint16_t kVersionJournal = 1;

// Limits a file is held to: what no Orvane ever writes is a damaged file.
inline constexpr int kCoteMaxToile = 16384;
inline constexpr std::int64_t kPixelsMaxToile = std::int64_t{1} << 26;
inline constexpr std::int64_t kPixelsMaxImages = std::int64_t{1} << 27;  // all pictures
inline constexpr int kMaxReglage = 100000;           // petals, turns, clones, shadow lines
inline constexpr std::int64_t kMaxCopies = 1000000;  // petals times turns
inline constexpr qint64 kOctetsMaxJournal = qint64{1} << 29;
inline constexpr std::uint64_t kPasMaxEntreTraits = std::uint64_t{1} << 20;

// Why bytes are no journal, as the end of a French sentence.
class JournalIllisible : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

QByteArray octets_journal(const Journal& journal);
// Throws JournalIllisible.
Journal journal_des_octets(const QByteArray& octets);

// Whether the bytes begin as a journal does.
bool commence_comme_journal(const QByteArray& debut);

}  // namespace orvane
