#pragma once

// Hand-made BMP files for the variants Qt's writer does not produce.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace orvane::test {

inline void ajouter16(QByteArray& b, int v) {
  b.append(char(v & 0xFF));
  b.append(char((v >> 8) & 0xFF));
}
inline void ajouter32(QByteArray& b, std::int64_t v) {
  ajouter16(b, int(v & 0xFFFF));
  ajouter16(b, int((v >> 16) & 0xFFFF));
}

// File header + 40-byte info header, with `palette` entries of 4 bytes each following.
inline QByteArray entete_bmp(int largeur, int hauteur, int bits, int compression,
                             std::int64_t taille_donnees, int entrees_palette) {
  const int decalage = 14 + 40 + 4 * entrees_palette;
  QByteArray b("BM");
  ajouter32(b, decalage + taille_donnees);
  ajouter32(b, 0);
  ajouter32(b, decalage);
  ajouter32(b, 40);
  ajouter32(b, largeur);
  ajouter32(b, hauteur);
  ajouter16(b, 1);
  ajouter16(b, bits);
  ajouter32(b, compression);
  ajouter32(b, taille_donnees);
  ajouter32(b, 2835);
  ajouter32(b, 2835);
  ajouter32(b, entrees_palette);
  ajouter32(b, 0);
  return b;
}

// Pixel values are given as 0xAARRGGBB (stored B, G, R, A), top row first.

// 32 bits per pixel, uncompressed, rows bottom-up.
inline QByteArray bmp_32_bits(int largeur, int hauteur, const std::vector<std::uint32_t>& argb) {
  QByteArray b = entete_bmp(largeur, hauteur, 32, 0, 4LL * largeur * hauteur, 0);
  for (int y = hauteur - 1; y >= 0; --y)
    for (int x = 0; x < largeur; ++x) ajouter32(b, argb[y * largeur + x]);
  return b;
}

// 8-bit RLE with a grey palette (entry i = grey i) except entry 0 = `couleur_0`.
inline QByteArray bmp_rle8(int largeur, int hauteur, const QByteArray& donnees,
                           std::uint32_t couleur_0, std::int64_t taille_declaree) {
  QByteArray b = entete_bmp(largeur, hauteur, 8, 1, taille_declaree, 256);
  ajouter32(b, couleur_0);
  for (int i = 1; i < 256; ++i) ajouter32(b, i * 0x010101);
  b.append(donnees);
  return b;
}

// OS/2 core header (12 bytes, 16-bit sizes), 24 bits per pixel.
inline QByteArray bmp_os2_24_bits(int largeur, int hauteur, const std::vector<std::uint32_t>& rgb) {
  const int pas = (largeur * 3 + 3) / 4 * 4;
  QByteArray b("BM");
  ajouter32(b, 26 + pas * hauteur);
  ajouter32(b, 0);
  ajouter32(b, 26);
  ajouter32(b, 12);
  ajouter16(b, largeur);
  ajouter16(b, hauteur);
  ajouter16(b, 1);
  ajouter16(b, 24);
  for (int y = hauteur - 1; y >= 0; --y) {
    QByteArray ligne;
    for (int x = 0; x < largeur; ++x) {
      const std::uint32_t c = rgb[y * largeur + x];
      ligne.append(char(c & 0xFF));
      ligne.append(char((c >> 8) & 0xFF));
      ligne.append(char((c >> 16) & 0xFF));
    }
    ligne.append(QByteArray(pas - ligne.size(), '\0'));
    b.append(ligne);
  }
  return b;
}

inline void ecrire_octets(const QString& chemin, const QByteArray& octets) {
  QFile f(chemin);
  if (!f.open(QIODevice::WriteOnly) || f.write(octets) != octets.size())
    throw std::runtime_error("cannot write test file");
}

inline QByteArray lire_octets(const QString& chemin) {
  QFile f(chemin);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace orvane::test
