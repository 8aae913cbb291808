#pragma once

#include <QDir>
#include <QTemporaryDir>

// The fuzzers' scratch directory, kept for the life of the process: in memory where the
// system has it, so that the file round trips cost little. Null when none can be made.
inline QTemporaryDir* dossier_fuzz() {
  const QString base =
      QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
  auto* dossier = new QTemporaryDir(base + QStringLiteral("/orvane-fuzz-XXXXXX"));
  return dossier->isValid() ? dossier : nullptr;
}
