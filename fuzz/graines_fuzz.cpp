// Writes the fuzzers' seed corpus: small BMP files of every bit depth and header kind,
// RLE-compressed ones, truncated and inconsistent ones, a snapshot as the program writes
// it, texts for the number filter, settings files, a few settings for the renderer and
// journals.
//   graines_fuzz DIRECTORY  ->  DIRECTORY/lecture_bmp, nombres, parametres, trace, journal
// (one folder per fuzzer, named after it)
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "journal_exemple.h"
#include "persistence/fichier_bmp.h"
#include "persistence/format_journal.h"

namespace {

using Octets = std::vector<std::uint8_t>;

void ajouter16(Octets& b, std::uint32_t v) {
  b.push_back(v & 0xFF);
  b.push_back((v >> 8) & 0xFF);
}
void ajouter32(Octets& b, std::uint32_t v) {
  ajouter16(b, v & 0xFFFF);
  ajouter16(b, v >> 16);
}
void poser32(Octets& b, std::size_t position, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[position + i] = (v >> (8 * i)) & 0xFF;
}

enum class Entete { Core = 12, Info = 40, Os2 = 64, V4 = 108, V5 = 124 };

// 4 is RLE24 under the OS/2 header.
enum Compression : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kChampsDeBits = 3, kRle24 = 4 };

// A whole BMP file: headers, palette (for 8 bits or fewer), masks, then `pixels`.
struct Bmp {
  Entete entete = Entete::Info;
  int largeur = 5;
  int hauteur = 3;
  int bits = 24;
  Compression compression = kRgb;
  Octets pixels;

  Octets octets() const {
    const bool core = entete == Entete::Core;
    const int entrees = bits <= 8 ? 1 << bits : 0;
    const int taille_entree = core ? 3 : 4;
    const bool masques_apres = entete == Entete::Info && compression == kChampsDeBits;
    const std::uint32_t decalage = 14 + static_cast<std::uint32_t>(entete) +
                                   (masques_apres ? 12 : 0) + entrees * taille_entree;
    Octets b = {'B', 'M'};
    ajouter32(b, decalage + static_cast<std::uint32_t>(pixels.size()));
    ajouter32(b, 0);
    ajouter32(b, decalage);
    ajouter32(b, static_cast<std::uint32_t>(entete));
    if (core) {
      ajouter16(b, largeur);
      ajouter16(b, hauteur);
      ajouter16(b, 1);
      ajouter16(b, bits);
    } else {
      ajouter32(b, largeur);
      ajouter32(b, hauteur);
      ajouter16(b, 1);
      ajouter16(b, bits);
      ajouter32(b, compression);
      ajouter32(b, static_cast<std::uint32_t>(pixels.size()));
      ajouter32(b, 2835);
      ajouter32(b, 2835);
      ajouter32(b, entrees);
      ajouter32(b, 0);
      const bool masques_16 = bits == 16;
      const std::uint32_t rouge = masques_16 ? 0xF800 : 0xFF0000;
      const std::uint32_t vert = masques_16 ? 0x07E0 : 0x00FF00;
      const std::uint32_t bleu = masques_16 ? 0x001F : 0x0000FF;
      if (masques_apres) {
        ajouter32(b, rouge);
        ajouter32(b, vert);
        ajouter32(b, bleu);
      }
      if (entete == Entete::Os2)
        for (int i = 0; i < 6; ++i) ajouter32(b, 0);  // units, rendering, encoding...
      if (entete == Entete::V4 || entete == Entete::V5) {
        ajouter32(b, compression == kChampsDeBits ? rouge : 0);
        ajouter32(b, compression == kChampsDeBits ? vert : 0);
        ajouter32(b, compression == kChampsDeBits ? bleu : 0);
        ajouter32(b, 0);                                  // alpha mask
        ajouter32(b, 0x73524742);                         // 'sRGB'
        for (int i = 0; i < 9 + 3; ++i) ajouter32(b, 0);  // end points and gamma
        if (entete == Entete::V5)
          for (int i = 0; i < 4; ++i) ajouter32(b, i == 0 ? 4 : 0);  // intent, profile, reserved
      }
    }
    for (int i = 0; i < entrees; ++i) {
      const std::uint8_t g = static_cast<std::uint8_t>(i * 255 / (entrees - 1));
      b.push_back(g);
      b.push_back(static_cast<std::uint8_t>(255 - g));
      b.push_back(static_cast<std::uint8_t>(g / 2));
      if (!core) b.push_back(0);
    }
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
  }
};

// Uncompressed rows, bottom-up, each padded to 4 bytes, holding a simple pattern.
Octets lignes(int largeur, int hauteur, int bits) {
  const int ligne = (largeur * bits + 7) / 8;
  const int pas = (largeur * bits + 31) / 32 * 4;
  Octets p;
  for (int y = 0; y < hauteur; ++y) {
    for (int i = 0; i < ligne; ++i) p.push_back(static_cast<std::uint8_t>(i * 37 + y * 11));
    for (int i = ligne; i < pas; ++i) p.push_back(0);
  }
  return p;
}

// RLE8: an encoded run, an absolute run, a delta, end of line codes and the end code.
Octets rle8() {
  return {4, 7,   0, 3, 1, 2, 3, 0, 0, 0,  // 4 x colour 7; absolute 1 2 3 (padded); EOL
          2, 9,   0, 2, 1, 1, 1, 5, 0, 0,  // 2 x colour 9; delta (1, 1); 1 x colour 5; EOL
          5, 200, 0, 1};                   // 5 x colour 200; end of bitmap
}

// RLE4: runs of two alternating colours, an absolute run, a delta.
Octets rle4() {
  return {6, 0x12, 0, 0, 0, 5, 0x34, 0x56, 0x70, 0, 0, 0, 0, 2, 2, 0, 3, 0xF0, 0, 1};
}

void ecrire(const QString& chemin, const Octets& b) {
  QFile f(chemin);
  if (!f.open(QIODevice::WriteOnly) ||
      f.write(reinterpret_cast<const char*>(b.data()), static_cast<qint64>(b.size())) !=
          static_cast<qint64>(b.size())) {
    std::fprintf(stderr, "graines_fuzz: cannot write %s\n", qPrintable(chemin));
    std::exit(1);
  }
}

void ecrire(const QString& chemin, const std::string& texte) {
  ecrire(chemin, Octets(texte.begin(), texte.end()));
}

void graines_bmp(const QDir& d) {
  int n = 0;
  const auto nom = [&](const char* sorte) {
    return d.filePath(QStringLiteral("%1_%2.bmp").arg(++n, 3, 10, QLatin1Char('0')).arg(sorte));
  };
  std::vector<Octets> valides;

  // Every depth under every header that allows it.
  for (Entete e : {Entete::Core, Entete::Info, Entete::V4, Entete::V5}) {
    for (int bits : {1, 4, 8, 16, 24, 32}) {
      if (e == Entete::Core && (bits == 16 || bits == 32)) continue;
      Bmp bmp{e, 5, 3, bits, kRgb, lignes(5, 3, bits)};
      valides.push_back(bmp.octets());
      ecrire(nom("profondeur"), valides.back());
      if (e != Entete::Core && (bits == 16 || bits == 32)) {
        bmp.compression = kChampsDeBits;
        valides.push_back(bmp.octets());
        ecrire(nom("champs_de_bits"), valides.back());
      }
    }
  }
  for (Entete e : {Entete::Info, Entete::V5}) {
    valides.push_back(Bmp{e, 8, 3, 8, kRle8, rle8()}.octets());
    ecrire(nom("rle8"), valides.back());
    valides.push_back(Bmp{e, 8, 3, 4, kRle4, rle4()}.octets());
    ecrire(nom("rle4"), valides.back());
  }
  // Top-down rows (negative height), a single pixel.
  valides.push_back(Bmp{Entete::Info, 4, -2, 24, kRgb, lignes(4, 2, 24)}.octets());
  ecrire(nom("haut_en_bas"), valides.back());
  valides.push_back(Bmp{Entete::Info, 1, 1, 32, kRgb, lignes(1, 1, 32)}.octets());
  ecrire(nom("un_pixel"), valides.back());

  // Read by the program though Qt's size is negative: top row first, a real picture's size.
  valides.push_back(Bmp{Entete::Info, 127, -64, 24, kRgb, lignes(127, 64, 24)}.octets());
  ecrire(nom("haut_en_bas_127x64"), valides.back());
  // Valid variants Qt does not decode, refused by name.
  ecrire(nom("deux_bits"), Bmp{Entete::Info, 8, 4, 2, kRgb, lignes(8, 4, 2)}.octets());
  ecrire(nom("rle24"), Bmp{Entete::Os2, 4, 2, 24, kRle24,
                           {4, 1, 2, 3, 0, 0, 2, 9, 8, 7, 2, 6, 5, 4, 0, 1}}.octets());

  // Truncated: cut inside the pixels, inside the palette, inside the headers.
  for (std::size_t i = 0; i < valides.size(); i += 3) {
    const Octets& v = valides[i];
    for (std::size_t longueur : {v.size() - 1, v.size() / 2, std::size_t{30}, std::size_t{14}}) {
      if (longueur < v.size()) ecrire(nom("tronque"), Octets(v.begin(), v.begin() + longueur));
    }
  }

  // Inconsistent headers.
  const Octets base = Bmp{Entete::Info, 5, 3, 8, kRgb, lignes(5, 3, 8)}.octets();
  const auto variante = [&](const char* sorte, std::size_t position, std::uint32_t valeur) {
    Octets b = base;
    poser32(b, position, valeur);
    ecrire(nom(sorte), b);
  };
  variante("decalage_hors_fichier", 10, 100000);
  variante("decalage_nul", 10, 0);
  variante("taille_entete_absurde", 14, 0xFFFFFFF0u);
  variante("largeur_nulle", 18, 0);
  variante("largeur_negative", 18, static_cast<std::uint32_t>(-5));
  variante("largeur_enorme", 18, 0x7FFFFFFF);
  variante("hauteur_enorme", 22, 0x80000000u);
  variante("image_trop_grande", 18, 60000);
  variante("compression_inconnue", 30, 9);
  variante("compression_rle_sur_24_bits", 30, kRle8);
  variante("palette_enorme", 46, 0x40000000);
  {
    Octets b = base;
    b[28] = 7;  // bits per pixel
    ecrire(nom("profondeur_inconnue"), b);
    b[28] = 0;
    ecrire(nom("profondeur_nulle"), b);
  }
  {
    Octets b = Bmp{Entete::Info, 8, 3, 8, kRle8, rle8()}.octets();
    poser32(b, 34, 1 << 30);  // data size far beyond the file
    ecrire(nom("rle_taille_mensongere"), b);
    Octets delta = Bmp{Entete::Info, 8, 3, 8, kRle8, {0, 2, 250, 250, 3, 1, 0, 1}}.octets();
    ecrire(nom("rle_delta_hors_image"), delta);
    Octets absolu = Bmp{Entete::Info, 4, 2, 8, kRle8, {0, 200, 1, 2, 3, 4, 0, 1}}.octets();
    ecrire(nom("rle_absolu_trop_long"), absolu);
    Octets sans_fin = Bmp{Entete::Info, 4, 2, 8, kRle8, {255, 1, 255, 1, 255, 1}}.octets();
    ecrire(nom("rle_sans_fin"), sans_fin);
    Octets rle4_impair = Bmp{Entete::Info, 3, 2, 4, kRle4, {0, 9, 0x12, 0x34, 0, 1}}.octets();
    ecrire(nom("rle4_absolu_trop_long"), rle4_impair);
  }
  ecrire(nom("pas_bmp"), std::string("GIF89a\x01\x00\x01\x00"));
  ecrire(nom("vide"), Octets{});
  ecrire(nom("signature_seule"), Octets{'B', 'M'});

  // A snapshot as the program writes it.
  orvane::Bitmap image(7, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 7; ++x) image.setPixel(x, y, orvane::RGB(x * 30, y * 60, 200 - x * y));
  orvane::ecrire_fichier_bmp(nom("instantane"), image);
}

void graines_nombres(const QDir& d) {
  // The text, then what the fuzzer reads from the end: a value, a locale, a separator.
  const char* textes[] = {"12",
                          " 12 ",
                          "1.5",
                          "1,5",
                          "24 px",
                          "abc",
                          "--1E5",
                          "12e",
                          "1 000",
                          "-2147483648",
                          "2147483648",
                          "+7",
                          "1\xE2\x80\xAF"
                          "000",
                          "1\xE2\x80\x99"
                          "000",
                          "\xD9\xA3\xD9\xA4",
                          "\xE2\x88\x92"
                          "5",
                          "   ",
                          ""};
  int n = 0;
  for (const char* t : textes) {
    for (char separateur : {'\0', '\1'}) {
      std::string entree = t;
      entree += {'\0', '\0', '\3', '\xE8', '\3', separateur};
      ecrire(d.filePath(QStringLiteral("%1.txt").arg(++n, 3, 10, QLatin1Char('0'))), entree);
    }
  }
}

void graines_parametres(const QDir& d) {
  // The new value, its end mark, the file, then the line number the fuzzer reads last.
  std::string vingt;
  for (const char* l : {"10", "0", "0", "false", "4227327", "/home/moi/images", "image.bmp"})
    vingt += std::string(l) + "\r\n";
  for (int i = 0; i < 13; ++i) vingt += "\r\n";
  std::string vingt_cinq = vingt;
  for (int i = 0; i < 5; ++i) vingt_cinq += "en trop\r\n";
  const std::pair<std::string, std::string> cas[] = {
      {"12", vingt},
      {"true", "3"},
      {"", vingt_cinq},
      {"True", "10\r0\r1\rTRUE\r-1\r"},
      {"4227327", "10\n4\n2\ntrue\n4227327\n/\nphoto\n"},
      {"x", "10\r\n\r\n\n\r1 000\r\n2147483648\r\n--5\r\n\xff\xfe\r\n\xc3\xa9t\xc3\xa9"},
      {"a\rb", std::string(2000, 'x') + "\r\n" + std::string("\0\0\r\n", 4)},
      // Lines at the limit, just over it, and far over it (more than one read of the file).
      {"7", std::string(4096, '9') + "\r\n0\r\n"},
      {"", "10\r\n" + std::string(4097, '1') + "\r\n3\r\n"},
      {"/tmp", "10\r\n0\r\n0\r\nfalse\r\n4227327\r\n" + std::string(70000, '/') + "\r\nimage.bmp"},
      {"x", "10\r\n0\r\n0\r\nfalse\r\n1\r\n/\r\nimage.bmp\r\nhuit\r\n" + std::string(5000, 'y') +
                "\r\ndix\r\n"},
  };
  int n = 0;
  for (const auto& [valeur, fichier] : cas) {
    ++n;
    const char ligne = static_cast<char>(n % 8);  // lines 0 .. 7 and beyond
    ecrire(d.filePath(QStringLiteral("%1.prm").arg(n, 3, 10, QLatin1Char('0'))),
           valeur + "\\X" + fichier + ligne);
  }
}

void graines_trace(const QDir& d) {
  // Any bytes are valid settings; a few seeded blobs give the fuzzer a varied start.
  std::mt19937 aleatoire(20261210);
  for (int i = 1; i <= 16; ++i) {
    Octets b(64 + 16 * i);
    for (auto& o : b) o = static_cast<std::uint8_t>(aleatoire());
    ecrire(d.filePath(QStringLiteral("%1.bin").arg(i, 3, 10, QLatin1Char('0'))), b);
  }
  // Inputs the renderer once drew differently from copy by copy, kept so that every run
  // tries them again.
  const char* const trouvees[] = {
      // the last copies spared left the position of an earlier line
      "Q6MFEclt5IXtMnalt8MmbdnwSaD6t9j46dprvsGr0+rlDgAAAFUX3izxN0NDQ0NDQ0NDQ0NDQ0NDQ0NDQ0ND"
      "Q0NDQ0NDQ0NDQ0NDQ0NDQ0NDQ0NDQ0NDQ0NDQ0NDQ0NDQ0NDQ0NDQ0NDQ0NDQ0NDQ0NDQ0NDQ0NDQ0NDQ0ND"
      "Q0NDQ0NDQ0NDQ0Pc0V4pOEi5y8zeNqKJ+D/u7T4xYCXjj////////////////////////////////w==",
      // a span's width counted in 32 bits overflowed while the watch was told the pixels
      "gqJXsanc/O8t4fFb17bjmDlfqYIu0xF2cZMFjJK/1v6wKnJdUZJEwnRG75kadixlYBQQAAAAAAAAAS1s+oT/"
      "nhOiaoHOuNbPUmU7oQws+FBqe8IkIm5ZOz/LETZyU9rCzJnjbvoQ7OkdeWSyXkuND2/t8bNBhiElPKczcw/X",
  };
  int n = 0;
  for (const char* base64 : trouvees) {
    const QByteArray b = QByteArray::fromBase64(base64);
    ecrire(d.filePath(QStringLiteral("trouvee_%1.bin").arg(++n, 3, 10, QLatin1Char('0'))),
           Octets(b.begin(), b.end()));
  }
}

}  // namespace

namespace {

QByteArray naturel(std::uint64_t v) {
  QByteArray b;
  for (; v >= 0x80; v >>= 7) b.append(static_cast<char>(v | 0x80));
  return b.append(static_cast<char>(v));
}

}  // namespace

// The example journal, a journal of one canvas, cut or altered copies of the example, and
// entry counts far beyond the entries there are.
void graines_journal(const QDir& dossier) {
  const QByteArray exemple = orvane::octets_journal(orvane::exemple::journal_exemple());
  orvane::Journal toile;
  toile.ajouter(orvane::EntreeToile{3, 2, 0xFFFFFF});
  // Magic and version, then the count and the example's entries.
  const QByteArray entete = exemple.left(10);
  qsizetype compte = 10;
  while (static_cast<unsigned char>(exemple[compte]) & 0x80) ++compte;
  const QByteArray entrees = exemple.mid(compte + 1);
  // A canvas and 900 strokes of four bytes, said to be as many as there are bytes.
  const QByteArray traits = QByteArray::fromHex("00403000") +
                            QByteArray::fromHex("01000200").repeated(900);
  const std::pair<const char*, QByteArray> graines[] = {
      {"exemple.orvane", exemple},
      {"toile.orvane", orvane::octets_journal(toile)},
      {"coupe.orvane", exemple.left(exemple.size() / 2)},
      {"version.orvane", QByteArray(exemple).replace(8, 1, "\x02")},
      {"compte_enorme.orvane", entete + naturel(~std::uint64_t{0}) + entrees},
      {"compte_des_octets.orvane",
       entete + naturel(static_cast<std::uint64_t>(entrees.size())) + entrees},
      {"traits_annonces.orvane",
       entete + naturel(static_cast<std::uint64_t>(traits.size())) + traits},
  };
  for (const auto& [nom, octets] : graines) {
    QFile f(dossier.filePath(QString::fromLatin1(nom)));
    if (!f.open(QIODevice::WriteOnly) || f.write(octets) != octets.size()) {
      std::fprintf(stderr, "graines_fuzz: cannot write %s\n", nom);
      std::exit(1);
    }
  }
}

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: graines_fuzz DIRECTORY\n");
    return 2;
  }
  const QDir racine(QString::fromLocal8Bit(argv[1]));
  for (const char* sous : {"lecture_bmp", "nombres", "parametres", "trace", "journal"}) {
    if (!racine.mkpath(QString::fromLatin1(sous))) {
      std::fprintf(stderr, "graines_fuzz: cannot create %s/%s\n", argv[1], sous);
      return 1;
    }
  }
  graines_bmp(QDir(racine.filePath(QStringLiteral("lecture_bmp"))));
  graines_nombres(QDir(racine.filePath(QStringLiteral("nombres"))));
  graines_parametres(QDir(racine.filePath(QStringLiteral("parametres"))));
  graines_trace(QDir(racine.filePath(QStringLiteral("trace"))));
  graines_journal(QDir(racine.filePath(QStringLiteral("journal"))));
  return 0;
}
