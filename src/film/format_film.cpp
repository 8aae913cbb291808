#include "film/format_film.h"

#include <QFileInfo>

namespace orvane {

std::optional<FormatFilm> format_du_nom(const QString& chemin) {
  const QString extension = QFileInfo(chemin).suffix().toLower();
  if (extension == u"mp4") return FormatFilm::Mp4;
  if (extension == u"webm") return FormatFilm::Webm;
  if (extension == u"gif") return FormatFilm::Gif;
  return std::nullopt;
}

QString nom_format(FormatFilm format) {
  switch (format) {
    case FormatFilm::Mp4: return QStringLiteral("MP4");
    case FormatFilm::Webm: return QStringLiteral("WebM");
    case FormatFilm::Gif: break;
  }
  return QStringLiteral("GIF");
}

std::int64_t cote_max(FormatFilm format) {
  // x264 and libvpx refuse larger frames; GIF keeps each side in 16 bits.
  return format == FormatFilm::Gif ? 65535 : 16384;
}

std::int64_t cote_code(FormatFilm format, std::int64_t cote) {
  return format == FormatFilm::Gif ? cote : cote + (cote & 1);
}

}  // namespace orvane
