#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace orvane {

// The film formats, chosen by the name's extension.
enum class FormatFilm { Mp4, Webm, Gif };
inline constexpr char kExtensionsFilm[] = ".mp4, .webm ou .gif";

std::optional<FormatFilm> format_du_nom(const QString& chemin);
// The format's name in sentences: "MP4", "WebM", "GIF".
QString nom_format(FormatFilm format);
// The longest side the format's codec encodes.
std::int64_t cote_max(FormatFilm format);
// The frame's sides padded to what the format's codec takes (even for 4:2:0 chroma).
std::int64_t cote_code(FormatFilm format, std::int64_t cote);

}  // namespace orvane
