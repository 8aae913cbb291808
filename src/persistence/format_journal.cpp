#include "persistence/format_journal.h"

#include <QtEndian>
#include <zlib.h>
#include <algorithm>
#include <limits>
#include <sstream>
#include <string>
#include <utility>

namespace orvane {

namespace {

enum Sorte : std::uint8_t { kToile, kTrait, kEllipse, kLigne, kArc, kImage, kSortes };

// What a stroke changed since the stroke before it.
enum ChampTrait : std::uint32_t {
  kMode = 1u << 0,
  kCouleur = 1u << 1,
  kLargeur = 1u << 2,
  kReglages = 1u << 3,
  kCentre = 1u << 4,
  kCrayon = 1u << 5,
  kPeinture = 1u << 6,
  kTirage = 1u << 7,        // the stroke drew random values
  kTirageEntier = 1u << 8,  // ... from a generator state stored whole
  kDebutAilleurs = 1u << 9, // a is not the previous entry's last point
  kChampsTrait = (1u << 10) - 1,
};

constexpr int kMotsMoteur = 312;

// Every settings field in a fixed order, for the mask of those that changed.
template <class F>
void pour_chaque_reglage(ReglagesTrace& r, F&& f) {
  f(r.symetrie, 0, 4);
  f(r.type_trace, 0, 5);
  f(r.peindre_dessiner, 0, 2);
  f(r.nb_petales, 1, kMaxReglage);
  f(r.tours, -kMaxReglage, kMaxReglage);
  f(r.facteur_milliemes, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
  f(r.epaisseur, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
  f(r.largeur_ombre, -kMaxReglage, kMaxReglage);
  f(r.epaisseur_ombre, 0, kMaxReglage);
  f(r.pas_ombre, 1, kMaxReglage);
  f(r.nombre_clones, -kMaxReglage, kMaxReglage);
  f(r.largeur_ecran, 0, std::numeric_limits<int>::max());
}
template <class F>
void pour_chaque_case(ReglagesTrace& r, F&& f) {
  f(r.spirale);
  f(r.epaisseur_aleatoire);
  f(r.ombre_1);
  f(r.ombre_2);
}

std::uint64_t zigzag(std::int64_t v) {
  return (static_cast<std::uint64_t>(v) << 1) ^ static_cast<std::uint64_t>(v >> 63);
}
std::int64_t dezigzag(std::uint64_t v) {
  return static_cast<std::int64_t>(v >> 1) ^ -static_cast<std::int64_t>(v & 1);
}

// ---- Writing ----

class Ecrivain {
 public:
  QByteArray octets;

  void octet(std::uint8_t v) { octets.append(static_cast<char>(v)); }
  void naturel(std::uint64_t v) {
    while (v >= 0x80) {
      octet(static_cast<std::uint8_t>(v | 0x80));
      v >>= 7;
    }
    octet(static_cast<std::uint8_t>(v));
  }
  void relatif(std::int64_t v) { naturel(zigzag(v)); }
  void point(Point p, Point depuis) {
    relatif(std::int64_t{p.x} - depuis.x);
    relatif(std::int64_t{p.y} - depuis.y);
  }
  void mot(std::uint64_t v) {
    char b[8];
    qToLittleEndian(v, b);
    octets.append(b, 8);
  }
};

// ---- Reading ----

class Lecteur {
 public:
  explicit Lecteur(const QByteArray& octets, std::size_t position = 0)
      : octets_(octets), position_(position) {}

  std::size_t position() const { return position_; }
  std::size_t reste() const { return static_cast<std::size_t>(octets_.size()) - position_; }
  [[noreturn]] static void abime(const char* raison) {
    throw JournalIllisible(std::string("journal abîmé (") + raison + ")");
  }
  [[noreturn]] static void tronque() { throw JournalIllisible("journal tronqué"); }

  std::uint8_t octet() {
    if (reste() < 1) tronque();
    return static_cast<std::uint8_t>(octets_[static_cast<qsizetype>(position_++)]);
  }
  std::uint64_t naturel() {
    std::uint64_t v = 0;
    for (int decalage = 0;; decalage += 7) {
      const std::uint8_t b = octet();
      if (decalage == 63 && b > 1) abime("nombre trop long");
      v |= static_cast<std::uint64_t>(b & 0x7f) << decalage;
      if (!(b & 0x80)) return v;
    }
  }
  std::int64_t relatif() { return dezigzag(naturel()); }
  int entier(std::int64_t min, std::int64_t max, const char* quoi) {
    const std::int64_t v = relatif();
    if (v < min || v > max) abime(quoi);
    return static_cast<int>(v);
  }
  int naturel_borne(std::uint64_t max, const char* quoi) {
    const std::uint64_t v = naturel();
    if (v > max) abime(quoi);
    return static_cast<int>(v);
  }
  Colour couleur() {
    const std::uint64_t v = naturel();
    if (v > 0xFFFFFFFFu) abime("couleur");
    return static_cast<Colour>(v);
  }
  bool booleen() {
    const std::uint8_t v = octet();
    if (v > 1) abime("case à cocher");
    return v == 1;
  }
  Point point(Point depuis) {
    const std::int64_t x = std::int64_t{depuis.x} + relatif();
    const std::int64_t y = std::int64_t{depuis.y} + relatif();
    constexpr std::int64_t min = std::numeric_limits<int>::min();
    constexpr std::int64_t max = std::numeric_limits<int>::max();
    if (x < min || x > max || y < min || y > max) abime("point hors limites");
    return {static_cast<int>(x), static_cast<int>(y)};
  }
  std::uint64_t mot() {
    if (reste() < 8) tronque();
    const std::uint64_t v = qFromLittleEndian<std::uint64_t>(octets_.constData() + position_);
    position_ += 8;
    return v;
  }
  QByteArray bloc(std::size_t n) {
    if (reste() < n) tronque();
    const QByteArray b = octets_.mid(static_cast<qsizetype>(position_), static_cast<qsizetype>(n));
    position_ += n;
    return b;
  }

 private:
  const QByteArray& octets_;
  std::size_t position_ = 0;
};

// The state both sides keep: each entry is written against it.
struct Contexte {
  Point dernier_point;
  EntreeTrait trait;  // the last stroke
  TirageTrait tirage;  // the last stroke that drew random values
  int largeur = 0, hauteur = 0;  // the canvas
  std::int64_t pixels_images = 0;  // the embedded pictures' pixels read so far
  bool pixels = true;  // whether embedded pictures are unpacked, or only checked and passed
};

std::uint32_t champs_changes(const EntreeTrait& e, const Contexte& c) {
  std::uint32_t champs = 0;
  if (e.mode != c.trait.mode) champs |= kMode;
  if (e.couleur != c.trait.couleur) champs |= kCouleur;
  if (e.largeur != c.trait.largeur) champs |= kLargeur;
  if (!(e.reglages == c.trait.reglages)) champs |= kReglages;
  if (!(e.centre == c.trait.centre)) champs |= kCentre;
  if (e.couleur_crayon != c.trait.couleur_crayon) champs |= kCrayon;
  if (e.couleur_peinture != c.trait.couleur_peinture) champs |= kPeinture;
  if (!(e.a == c.dernier_point)) champs |= kDebutAilleurs;
  if (e.tirage) {
    champs |= kTirage;
    const bool suite = c.tirage && c.tirage.origine->lignee == e.tirage.origine->lignee &&
                       e.tirage.pas_lignee() >= c.tirage.pas_lignee() &&
                       e.tirage.pas_lignee() - c.tirage.pas_lignee() <= kPasMaxEntreTraits;
    if (!suite) champs |= kTirageEntier;
  }
  return champs;
}

void ecrire_moteur(Ecrivain& w, const TirageTrait& t) {
  Aleatoire::Moteur m = t.origine->etat;
  m.discard(t.pas);
  std::ostringstream texte;
  texte << m;
  std::istringstream mots(texte.str());
  for (int i = 0; i <= kMotsMoteur; ++i) {
    std::uint64_t v = 0;
    mots >> v;
    w.mot(v);
  }
}

std::shared_ptr<const OrigineTirage> lire_moteur(Lecteur& l) {
  std::string texte;
  for (int i = 0; i <= kMotsMoteur; ++i) {
    const std::uint64_t v = l.mot();
    if (i == kMotsMoteur && v > kMotsMoteur) Lecteur::abime("état du générateur");
    texte += std::to_string(v) + ' ';
  }
  auto origine = std::make_shared<OrigineTirage>();
  std::istringstream flux(texte);
  flux >> origine->etat;
  if (flux.fail()) Lecteur::abime("état du générateur");
  origine->lignee = nouvelle_lignee();
  return origine;
}

void ecrire_trait(Ecrivain& w, const EntreeTrait& e, Contexte& c) {
  const std::uint32_t champs = champs_changes(e, c);
  w.octet(kTrait);
  w.naturel(champs);
  if (champs & kMode) w.octet(static_cast<std::uint8_t>(e.mode));
  if (champs & kCouleur) w.naturel(e.couleur);
  if (champs & kLargeur) w.relatif(e.largeur);
  if (champs & kReglages) {
    ReglagesTrace nouveaux = e.reglages, anciens = c.trait.reglages;
    std::vector<int> a, n;
    pour_chaque_reglage(anciens, [&](int& v, int, int) { a.push_back(v); });
    pour_chaque_reglage(nouveaux, [&](int& v, int, int) { n.push_back(v); });
    std::uint32_t masque = 0;
    for (std::size_t i = 0; i < n.size(); ++i)
      if (a[i] != n[i]) masque |= 1u << i;
    std::uint8_t cases = 0;
    int i = 0;
    pour_chaque_case(nouveaux, [&](bool& v) { cases |= static_cast<std::uint8_t>(v << i++); });
    w.naturel(masque);
    for (std::size_t j = 0; j < n.size(); ++j)
      if (masque & (1u << j)) w.relatif(n[j]);
    w.octet(cases);
  }
  if (champs & kCentre) w.point(e.centre, c.trait.centre);
  if (champs & kCrayon) w.naturel(e.couleur_crayon);
  if (champs & kPeinture) w.naturel(e.couleur_peinture);
  if (champs & kTirageEntier) {
    ecrire_moteur(w, e.tirage);
  } else if (champs & kTirage) {
    w.naturel(e.tirage.pas_lignee() - c.tirage.pas_lignee());
  }
  if (champs & kDebutAilleurs) w.point(e.a, c.dernier_point);
  w.point(e.b, e.a);
  c.trait = e;
  if (e.tirage) c.tirage = e.tirage;
  c.dernier_point = e.b;
}

EntreeTrait lire_trait(Lecteur& l, Contexte& c) {
  const std::uint64_t champs = l.naturel();
  if (champs & ~std::uint64_t{kChampsTrait}) Lecteur::abime("champs inconnus");
  if ((champs & kTirageEntier) && !(champs & kTirage)) Lecteur::abime("champs");
  EntreeTrait e = c.trait;
  e.tirage = {};
  if (champs & kMode) e.mode = l.naturel_borne(15, "mode du crayon");
  if (champs & kCouleur) e.couleur = l.couleur();
  if (champs & kLargeur)
    e.largeur = l.entier(std::numeric_limits<int>::min(), std::numeric_limits<int>::max(),
                         "épaisseur");
  if (champs & kReglages) {
    const std::uint64_t masque = l.naturel();
    int i = 0;
    pour_chaque_reglage(e.reglages, [&](int& v, int min, int max) {
      if (masque & (std::uint64_t{1} << i)) v = l.entier(min, max, "réglage hors limites");
      ++i;
    });
    if (masque >> i) Lecteur::abime("réglages inconnus");
    const std::uint8_t cases = l.octet();
    int j = 0;
    pour_chaque_case(e.reglages, [&](bool& v) { v = (cases >> j++) & 1; });
    if (cases >> j) Lecteur::abime("cases inconnues");
    const ReglagesTrace& r = e.reglages;
    if (std::int64_t{r.nb_petales} * std::max(1, r.tours) > kMaxCopies)
      Lecteur::abime("trop de copies");
  }
  if (champs & kCentre) e.centre = l.point(c.trait.centre);
  if (champs & kCrayon) e.couleur_crayon = l.couleur();
  if (champs & kPeinture) e.couleur_peinture = l.couleur();
  if (champs & kTirageEntier) {
    e.tirage = TirageTrait{lire_moteur(l), 0};
  } else if (champs & kTirage) {
    if (!c.tirage) Lecteur::abime("tirage sans origine");
    const std::uint64_t ecart = l.naturel();
    if (ecart > kPasMaxEntreTraits) Lecteur::abime("tirage trop loin");
    e.tirage = TirageTrait{c.tirage.origine, c.tirage.pas + ecart};
  }
  e.a = (champs & kDebutAilleurs) ? l.point(c.dernier_point) : c.dernier_point;
  e.b = l.point(e.a);
  c.trait = e;
  if (e.tirage) c.tirage = e.tirage;
  c.dernier_point = e.b;
  return e;
}

void ecrire_image(Ecrivain& w, const Bitmap& image) {
  w.naturel(static_cast<std::uint64_t>(image.width()));
  w.naturel(static_cast<std::uint64_t>(image.height()));
  QByteArray pixels;
  pixels.resize(qsizetype{3} * image.width() * image.height());
  char* p = pixels.data();
  for (int y = 0; y < image.height(); ++y) {
    for (const Colour* c = image.row(y); c != image.row(y) + image.width(); ++c) {
      *p++ = static_cast<char>(rouge(*c));
      *p++ = static_cast<char>(vert(*c));
      *p++ = static_cast<char>(bleu(*c));
    }
  }
  const QByteArray serre = qCompress(pixels, 6);
  w.naturel(static_cast<std::uint64_t>(serre.size()));
  w.octets.append(serre);
}

std::shared_ptr<const Bitmap> lire_image(Lecteur& l, Contexte& c) {
  const int largeur =
      l.naturel_borne(static_cast<std::uint64_t>(c.largeur), "image plus large que la toile");
  const int hauteur =
      l.naturel_borne(static_cast<std::uint64_t>(c.hauteur), "image plus haute que la toile");
  c.pixels_images += std::int64_t{largeur} * hauteur;
  if (c.pixels_images > kPixelsMaxImages) Lecteur::abime("trop d'images");
  const std::uint64_t taille = l.naturel();
  if (taille > l.reste()) Lecteur::tronque();
  const QByteArray serre = l.bloc(taille);
  // qCompress puts the size of the data first: it must be the picture's, so that nothing
  // larger is ever set aside.
  const std::uint64_t attendu =
      std::uint64_t{3} * static_cast<std::uint64_t>(largeur) * static_cast<std::uint64_t>(hauteur);
  if (serre.size() < 4 || qFromBigEndian<quint32>(serre.constData()) != attendu)
    Lecteur::abime("taille de l'image");
  // Deflate packs at most 1032 bytes into one: fewer compressed bytes cannot hold the
  // picture, and the room for it is not set aside.
  if (attendu > (static_cast<std::uint64_t>(serre.size()) - 4) * 1032 + 64)
    Lecteur::abime("image trop courte pour sa taille");
  if (!c.pixels) return nullptr;
  // zlib itself rather than qUncompress, which tells damaged data on standard error.
  QByteArray pixels(static_cast<qsizetype>(attendu), Qt::Uninitialized);
  uLongf obtenu = static_cast<uLongf>(attendu);
  if (attendu > 0 &&
      (uncompress(reinterpret_cast<Bytef*>(pixels.data()), &obtenu,
                  reinterpret_cast<const Bytef*>(serre.constData()) + 4,
                  static_cast<uLong>(serre.size() - 4)) != Z_OK ||
       obtenu != attendu))
    Lecteur::abime("image");
  auto image = std::make_shared<Bitmap>(largeur, hauteur);
  const char* p = pixels.constData();
  for (int y = 0; y < hauteur; ++y) {
    Colour* ligne = image->row(y);
    for (int x = 0; x < largeur; ++x, p += 3)
      ligne[x] = RGB(static_cast<std::uint8_t>(p[0]), static_cast<std::uint8_t>(p[1]),
                     static_cast<std::uint8_t>(p[2]));
  }
  return image;
}

// One entry, the context moved on past it.
Entree lire_entree(Lecteur& l, Contexte& c, bool premiere) {
  const std::uint8_t sorte = l.octet();
  if (sorte >= kSortes) Lecteur::abime("entrée inconnue");
  if (premiere && sorte != kToile) Lecteur::abime("il ne commence pas par une toile");
  switch (sorte) {
    case kToile: {
      EntreeToile e;
      e.largeur = l.naturel_borne(kCoteMaxToile, "toile trop grande");
      e.hauteur = l.naturel_borne(kCoteMaxToile, "toile trop grande");
      if (e.largeur < 1 || e.hauteur < 1 ||
          std::int64_t{e.largeur} * e.hauteur > kPixelsMaxToile)
        Lecteur::abime("taille de la toile");
      e.couleur = l.couleur();
      c.largeur = e.largeur;
      c.hauteur = e.hauteur;
      return e;
    }
    case kTrait:
      return lire_trait(l, c);
    case kEllipse: {
      EntreeEllipse e;
      const Point coin = l.point(c.dernier_point);
      const Point fin = l.point(coin);
      e.gauche = coin.x;
      e.haut = coin.y;
      e.droite = fin.x;
      e.bas = fin.y;
      e.mode = l.naturel_borne(15, "mode du crayon");
      e.couleur_crayon = l.couleur();
      e.largeur = l.entier(std::numeric_limits<int>::min(), std::numeric_limits<int>::max(),
                           "épaisseur");
      e.couleur_pinceau = l.couleur();
      e.style_pinceau = l.booleen() ? BrushStyle::Clear : BrushStyle::Solid;
      c.dernier_point = coin;
      return e;
    }
    case kLigne: {
      EntreeLigne e;
      e.a = l.point(c.dernier_point);
      e.b = l.point(e.a);
      e.mode = l.naturel_borne(15, "mode du crayon");
      e.couleur = l.couleur();
      e.largeur = l.entier(std::numeric_limits<int>::min(), std::numeric_limits<int>::max(),
                           "épaisseur");
      c.dernier_point = e.b;
      return e;
    }
    case kArc: {
      EntreeArc e;
      e.a = l.point(c.dernier_point);
      e.b = l.point(e.a);
      e.c = l.point(e.b);
      e.mode = l.naturel_borne(15, "mode du crayon");
      e.couleur = l.couleur();
      e.largeur = l.entier(std::numeric_limits<int>::min(), std::numeric_limits<int>::max(),
                           "épaisseur");
      const std::uint8_t ombres = l.octet();
      if (ombres > 3) Lecteur::abime("ombre");
      e.ombre.ombre_1 = ombres & 1;
      e.ombre.ombre_2 = ombres & 2;
      e.ombre.largeur = l.entier(-kMaxReglage, kMaxReglage, "largeur d'ombre");
      c.dernier_point = e.c;
      return e;
    }
    case kImage:
      return EntreeImage{lire_image(l, c)};
  }
  Lecteur::abime("entrée inconnue");
}

// Reads the `nombre` entries that follow, to the end of the bytes, handing each to `garder`.
template <class F>
void lire_entrees(Lecteur& l, std::uint64_t nombre, Contexte& c, F&& garder) {
  for (std::uint64_t i = 0; i < nombre; ++i) garder(lire_entree(l, c, i == 0));
  if (l.reste() != 0) Lecteur::abime("octets après la dernière entrée");
}

}  // namespace

bool commence_comme_journal(const QByteArray& debut) {
  return debut.startsWith(QByteArray(kMagieJournal, sizeof kMagieJournal));
}

QByteArray octets_journal(const Journal& journal) {
  Ecrivain w;
  w.octets.append(kMagieJournal, sizeof kMagieJournal);
  char version[2];
  qToLittleEndian(kVersionJournal, version);
  w.octets.append(version, 2);
  w.naturel(journal.taille());
  Contexte c;
  for (const Entree& entree : journal.entrees()) {
    if (const auto* e = std::get_if<EntreeToile>(&entree)) {
      w.octet(kToile);
      w.naturel(static_cast<std::uint64_t>(e->largeur));
      w.naturel(static_cast<std::uint64_t>(e->hauteur));
      w.naturel(e->couleur & 0xFFFFFFu);
      c.largeur = e->largeur;
      c.hauteur = e->hauteur;
    } else if (const auto* e = std::get_if<EntreeTrait>(&entree)) {
      ecrire_trait(w, *e, c);
    } else if (const auto* e = std::get_if<EntreeEllipse>(&entree)) {
      w.octet(kEllipse);
      const Point coin{e->gauche, e->haut};
      w.point(coin, c.dernier_point);
      w.point({e->droite, e->bas}, coin);
      w.octet(static_cast<std::uint8_t>(e->mode));
      w.naturel(e->couleur_crayon);
      w.relatif(e->largeur);
      w.naturel(e->couleur_pinceau);
      w.octet(e->style_pinceau == BrushStyle::Clear ? 1 : 0);
      c.dernier_point = coin;
    } else if (const auto* e = std::get_if<EntreeLigne>(&entree)) {
      w.octet(kLigne);
      w.point(e->a, c.dernier_point);
      w.point(e->b, e->a);
      w.octet(static_cast<std::uint8_t>(e->mode));
      w.naturel(e->couleur);
      w.relatif(e->largeur);
      c.dernier_point = e->b;
    } else if (const auto* e = std::get_if<EntreeArc>(&entree)) {
      w.octet(kArc);
      w.point(e->a, c.dernier_point);
      w.point(e->b, e->a);
      w.point(e->c, e->b);
      w.octet(static_cast<std::uint8_t>(e->mode));
      w.naturel(e->couleur);
      w.relatif(e->largeur);
      w.octet(static_cast<std::uint8_t>(e->ombre.ombre_1 | e->ombre.ombre_2 << 1));
      w.relatif(e->ombre.largeur);
      c.dernier_point = e->c;
    } else if (const auto* e = std::get_if<EntreeImage>(&entree)) {
      w.octet(kImage);
      ecrire_image(w, *e->image);
    }
  }
  return w.octets;
}

Journal journal_des_octets(const QByteArray& octets) {
  if (!commence_comme_journal(octets)) throw JournalIllisible("ce n'est pas un journal Orvane");
  Lecteur l(octets);
  l.bloc(sizeof kMagieJournal);
  const QByteArray version = l.bloc(2);
  const auto numero = qFromLittleEndian<std::uint16_t>(version.constData());
  if (numero != kVersionJournal)
    throw JournalIllisible("journal de version " + std::to_string(numero) +
                           ", cette version d'Orvane lit la version " +
                           std::to_string(kVersionJournal));
  const std::uint64_t nombre = l.naturel();
  if (nombre == 0) Lecteur::abime("aucune entrée, pas même la toile");
  // Every entry takes at least one byte.
  if (nombre > l.reste()) Lecteur::tronque();
  // The entries are read once without being kept, pictures only checked: room is then set
  // aside for the entries the bytes hold, never for a count they merely claim.
  Contexte essai;
  essai.pixels = false;
  Lecteur apercu(octets, l.position());
  lire_entrees(apercu, nombre, essai, [](Entree&&) {});
  std::vector<Entree> entrees;
  entrees.reserve(static_cast<std::size_t>(nombre));
  Contexte c;
  lire_entrees(l, nombre, c, [&](Entree&& e) { entrees.push_back(std::move(e)); });
  return Journal(std::move(entrees));
}

}  // namespace orvane
