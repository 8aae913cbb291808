// A long seeded run of random use against the real window: presses, moves and releases
// with every button and modifier, keys, palette clicks and typed numbers, over every trace
// type, symmetry, paint mode, mix mode and colour type. After every event the window still
// answers, every snapshot written reads back, and an error box appears only for an input
// that deserves one, once, and the journal drawn again at scale 1 is the canvas, bit for
// bit, and at scale 3, reduced again, differs from it only along edges; every so often the
// journal drawn in bands on 1, 2, 3 and 8 threads is the same bit for bit.
//   ORVANE_EVENEMENTS  number of events (a short run by default; the long run under the
//                      sanitizers uses 100000 and more)
//   ORVANE_GRAINE      seed of the run (a failure prints it)
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <random>
#include <vector>

#include "app/nombres.h"
#include "app/tform1.h"
#include "fenetre_test.h"
#include "journal/fidelite_echelle.h"
#include "journal/redessin.h"
#include "persistence/fichier_bmp.h"
#include "persistence/fichier_journal.h"

namespace orvane {
namespace {

constexpr int kEvenementsParDefaut = 1500;
constexpr std::uint64_t kGraineParDefaut = 3;  // its short run meets error boxes too
// Events between two checks that the journal drawn in bands is the same on any threads.
constexpr std::uint64_t kEvenementsEntreBandes = 100;

std::uint64_t variable(const char* nom, std::uint64_t defaut) {
  bool ok = false;
  const std::uint64_t v = qEnvironmentVariable(nom).toULongLong(&ok);
  return ok ? v : defaut;
}

bool entier_lisible(const QString& texte) {
  try {
    StrToInt(texte);
    StrToInt(filtre_nombre(texte));
    return true;
  } catch (const ErreurConversion&) {
    return false;
  }
}

// A user's random hand, steered towards settings whose strokes cost milliseconds: typed
// numbers stay small and the arrows lean back towards them (the cost of the heaviest
// settings is measured by the benchmarks).
class UsageAleatoire : public FenetreTest {
 protected:
  // A small screen: every release writes and reads back a whole-canvas snapshot.
  UsageAleatoire() : FenetreTest(QSize(640, 480)) {}

  void SetUp() override {
    FenetreTest::SetUp();
    form->activateWindow();
    QApplication::processEvents();
    auto legende = form->historique.legende_sauvegarde;
    form->historique.legende_sauvegarde = [this, legende](const QString& t) {
      instantanes_.push_back(t.mid(QStringLiteral("save ").size()));
      if (legende) legende(t);
    };
    abime_ = repertoire.filePath(QStringLiteral("abime.bmp"));
    QFile f(abime_);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray::fromHex("424d360000000000000036000000280000"));  // cut in its header
    f.close();
    absent_ = repertoire.filePath(QStringLiteral("absent.bmp"));
    journal_sauve_ = repertoire.filePath(QStringLiteral("image.bmp.orvane"));
    journal_abime_ = repertoire.filePath(QStringLiteral("abime.orvane"));
    QFile j(journal_abime_);
    ASSERT_TRUE(j.open(QIODevice::WriteOnly));
    j.write(QByteArray::fromHex("894f5256"));  // cut in its magic
    j.close();

    // Each number edit and its up-down, in the same order.
    edits_nombres_ = {form->Edit1, form->Edit3, form->Edit4, form->Edit5, form->Edit6, form->Edit7};
    const std::pair<TUpDown*, int> up_downs[] = {{form->UpDown1, 30}, {form->UpDown2, 30},
                                                 {form->UpDown3, 6},  {form->UpDown4, 1000},
                                                 {form->UpDown5, 4},  {form->UpDown6, 20}};
    for (const auto& [u, confort] : up_downs) {
      const QList<QToolButton*> fleches = u->findChildren<QToolButton*>();
      ASSERT_EQ(fleches.size(), 2);
      const bool haut_d_abord = fleches[0]->arrowType() == Qt::UpArrow;
      fleches_.push_back(
          {u, fleches[haut_d_abord ? 0 : 1], fleches[haut_d_abord ? 1 : 0], confort});
    }
    for (TPanel* p :
         {form->Panel_quit, form->Panel_new_fond_noir, form->Panel2, form->Panel7, form->Panel3,
          form->Panel_crayon, form->Panel5, form->Panel6, form->Panel_peinture, form->Panel4,
          form->Panel10, form->Panel12, form->Panel11, form->Panel13, form->Panel_stop}) {
      boutons_.push_back(p);
    }
    for (TRadioGroup* g : {form->RadioGroup_type_trace, form->RadioGroup_couleur_crayon,
                           form->RadioGroup_peindre_dessiner, form->RadioGroup_symetrie,
                           form->RadioGroup_couleur_peinture, form->RadioGroup_coul_type}) {
      for (int i = 0; i < g->count(); ++i) boutons_.push_back(g->button(i));
    }
    for (TCheckBox* c : {form->CheckBox_epaisseur, form->CheckBox_spirale, form->CheckBox_ombre_1,
                         form->CheckBox_ombre_2, form->CheckBox_panel_disparait_auto}) {
      boutons_.push_back(c);
    }
  }

  int hasard(int n) { return static_cast<int>(moteur_() % static_cast<std::uint64_t>(n)); }
  bool chance(int sur) { return hasard(sur) == 0; }

  // ---- Events ----

  // The window system gives a window under a modal dialog (a drawing's progress) no input:
  // the events sent straight to its widgets here must not reach them either.
  static bool bloque(const QWidget* w) {
    const QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr && modal != w && !modal->isAncestorOf(w);
  }

  static void cliquer(QWidget* w, QPoint p) {
    if (!bloque(w)) QTest::mouseClick(w, Qt::LeftButton, {}, p);
  }

  void souris(QWidget* w, QEvent::Type type, QPoint p, Qt::MouseButton bouton,
              Qt::MouseButtons boutons, Qt::KeyboardModifiers shift) {
    if (bloque(w)) return;
    QMouseEvent e(type, QPointF(p), QPointF(w->mapToGlobal(p)), bouton, boutons, shift);
    QApplication::sendEvent(w, &e);
  }

  QPoint point_sur_toile() {
    const QSize ecran = form->taille_ecran();
    if (chance(20)) return {hasard(ecran.width() + 200) - 100, hasard(ecran.height() + 200) - 100};
    return {hasard(ecran.width()), hasard(ecran.height())};
  }

  Qt::KeyboardModifiers modificateurs() {
    static const Qt::KeyboardModifiers tous[] = {Qt::NoModifier, Qt::ShiftModifier,
                                                 Qt::ControlModifier, Qt::AltModifier,
                                                 Qt::ShiftModifier | Qt::ControlModifier};
    return chance(3) ? tous[hasard(5)] : Qt::NoModifier;
  }

  // A stroke, one event at a time: the press, a few moves, the release.
  void trait(const std::function<void(const std::function<void()>&, bool)>& etape) {
    static const Qt::MouseButton boutons[] = {Qt::LeftButton, Qt::LeftButton, Qt::RightButton,
                                              Qt::MiddleButton};
    const Qt::MouseButton b = boutons[hasard(4)];
    const Qt::KeyboardModifiers shift = modificateurs();
    QPoint p = point_sur_toile();
    etape([&] { souris(form->Image1, QEvent::MouseButtonPress, p, b, b, shift); }, false);
    for (int i = hasard(6); i > 0; --i) {
      p += QPoint(hasard(81) - 40, hasard(81) - 40);
      etape([&] { souris(form->Image1, QEvent::MouseMove, p, Qt::NoButton, b, shift); }, false);
    }
    if (chance(15)) return;  // the release goes elsewhere
    const bool elliptique = form->RadioGroup_type_trace->ItemIndex() == 5;
    etape([&] { souris(form->Image1, QEvent::MouseButtonRelease, p, b, Qt::NoButton, shift); },
          !elliptique);
  }

  void deplacement_seul(const std::function<void(const std::function<void()>&, bool)>& etape) {
    const QPoint p = point_sur_toile();
    etape([&] { souris(form->Image1, QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton, {}); },
          false);
  }

  void touche(const std::function<void(const std::function<void()>&, bool)>& etape) {
    struct Touche {
      Qt::Key cle;
      const char16_t* texte;
    };
    static const Touche touches[] = {
        {Qt::Key_E, u"e"},           {Qt::Key_P, u"p"},           {Qt::Key_C, u"c"},
        {Qt::Key_K, u"k"},           {Qt::Key_W, u"w"},           {Qt::Key_X, u"x"},
        {Qt::Key_Q, u"q"},           {Qt::Key_S, u"s"},           {Qt::Key_D, u"d"},
        {Qt::Key_F, u"f"},           {Qt::Key_G, u"g"},           {Qt::Key_H, u"h"},
        {Qt::Key_A, u"a"},           {Qt::Key_Z, u"z"},           {Qt::Key_1, u"1"},
        {Qt::Key_5, u"5"},           {Qt::Key_0, u"0"},           {Qt::Key_Eacute, u"\u00e9"},
        {Qt::Key_Egrave, u"\u00e8"}, {Qt::Key_Agrave, u"\u00e0"}, {Qt::Key_Ccedilla, u"\u00e7"},
        {Qt::Key_Ampersand, u"&"},   {Qt::Key_ParenLeft, u"("},   {Qt::Key_Minus, u"-"},
        {Qt::Key_Underscore, u"_"},  {Qt::Key_QuoteDbl, u"\""},   {Qt::Key_Apostrophe, u"'"},
        {Qt::Key_Space, u" "},       {Qt::Key_Escape, u"\x1b"},   {Qt::Key_F1, u""},
        {Qt::Key_F4, u""},           {Qt::Key_F5, u""},           {Qt::Key_F12, u""},
        {Qt::Key_Up, u""},           {Qt::Key_Down, u""},         {Qt::Key_Left, u""},
        {Qt::Key_Right, u""},        {Qt::Key_Return, u"\r"},     {Qt::Key_Backspace, u"\b"},
        {Qt::Key_Control, u""},      {Qt::Key_Shift, u""},        {Qt::Key_Tab, u"\t"},
    };
    const Touche& t = touches[hasard(std::size(touches))];
    Qt::KeyboardModifiers shift = modificateurs();
    if (t.cle == Qt::Key_Control) shift |= Qt::ControlModifier;
    systeme.reponse_question = chance(10);
    etape([&] { taper(t.cle, QString::fromUtf16(t.texte), shift); }, false);
  }

  void taper(Qt::Key cle, const QString& texte, Qt::KeyboardModifiers shift) {
    QWidget* cible = QApplication::focusWidget() ? QApplication::focusWidget() : form.get();
    if (!bloque(cible)) QTest::sendKeyEvent(QTest::Press, cible, cle, texte, shift);
    cible = QApplication::focusWidget() ? QApplication::focusWidget() : form.get();
    if (!bloque(cible)) QTest::sendKeyEvent(QTest::Release, cible, cle, texte, shift);
  }

  // A number typed into an edit, character by character, as the user would type it. Only
  // the spiral's factor and the picture name take typing; the other edits must ignore it.
  void saisie(const std::function<void(const std::function<void()>&, bool)>& etape) {
    const int i = chance(2) ? 3 : hasard(7);  // Edit5 half the time
    TEdit* edit = i < 6 ? edits_nombres_[static_cast<size_t>(i)] : form->Edit_nom_generique;
    QString texte;
    if (i == 6) {
      texte = chance(2) ? QStringLiteral("dessin.bmp") : QStringLiteral("rosace");
    } else if (chance(3)) {
      static const char* douteux[] = {"abc", "1 2", "-", "", "1e3", "12a", "--4", " 7 ", "9x"};
      texte = QString::fromLatin1(douteux[hasard(std::size(douteux))]);
    } else {
      texte = QString::number(hasard(fleches_[static_cast<size_t>(i)].confort + 1));
    }
    etape([&] { cliquer(edit, edit->rect().center()); }, false);
    edit->selectAll();
    for (const QChar c : texte) {
      etape([&] { taper(Qt::Key(c.toUpper().unicode()), QString(c), {}); }, false);
    }
    if (texte.isEmpty() && edit->hasFocus()) {
      etape([&] { taper(Qt::Key_Backspace, QStringLiteral("\b"), {}); }, false);
    }
  }

  void clic_palette(const std::function<void(const std::function<void()>&, bool)>& etape) {
    // The answers of the dialogs the click may open.
    systeme.reponses_couleur.clear();
    systeme.reponses_couleur.push_back(
        chance(4) ? std::nullopt
                  : std::optional<Colour>(static_cast<Colour>(moteur_() & 0xFFFFFF)));
    systeme.reponse_question = chance(10);
    const QString ouvrir[] = {QString(), historique_au_hasard(), abime_,       absent_,
                              journal_sauve_, journal_sauve_,      journal_abime_};
    systeme.chemin_ouvert = ouvrir[hasard(7)];
    const QString enregistrer[] = {QString(), repertoire.filePath(QStringLiteral("image.bmp")),
                                   repertoire.filePath(QStringLiteral("sans/dossier.bmp"))};
    systeme.chemin_enregistre = enregistrer[hasard(3)];

    const int sorte = hasard(10);
    if (sorte < 3) {
      const Fleches& f = fleches_[static_cast<size_t>(hasard(static_cast<int>(fleches_.size())))];
      const bool trop = f.up_down->Position() > f.confort;
      QToolButton* fleche = (trop ? !chance(5) : chance(2)) ? f.bas : f.haut;
      etape([&] { cliquer(fleche, fleche->rect().center()); }, false);
    } else if (sorte < 4) {
      const int ligne = hasard(form->ComboBox1->count());
      etape(
          [&] {
            if (bloque(form->ComboBox1)) return;
            form->ComboBox1->setCurrentIndex(ligne);
            emit form->ComboBox1->activated(ligne);
          },
          false);
    } else if (sorte < 5) {
      etape(
          [&] {
            const QPoint p(hasard(form->Panel1->width()),
                           hasard(std::max(1, form->Panel1->height())));
            souris(form->Panel1, QEvent::MouseButtonPress, p, Qt::RightButton, Qt::RightButton, {});
            souris(form->Panel1, QEvent::MouseButtonRelease, p, Qt::RightButton, Qt::NoButton, {});
          },
          false);
    } else {
      QWidget* bouton = boutons_[static_cast<size_t>(hasard(static_cast<int>(boutons_.size())))];
      etape([&] { cliquer(bouton, bouton->rect().center()); }, false);
    }
  }

  QString historique_au_hasard() {
    return form->historique.fichier_instantane(hasard(HistoriqueImages::kTailleAnneau));
  }

  // ---- Checks after every event ----

  // The texts of the number edits that a read would refuse.
  QStringList textes_illisibles() const {
    QStringList r;
    for (TEdit* e : edits_nombres_)
      if (!entier_lisible(e->Text())) r << e->Text();
    return r;
  }

  // Whether a message is the answer to this event's input.
  bool merite(const QString& message, const QStringList& illisibles, bool fichier_demande) const {
    for (const QString& t : illisibles)
      if (message.contains(u'\'' + t + u'\'')) return true;
    if (!fichier_demande) return false;
    // The saved journal is missing until a save has written it.
    return message.contains(QStringLiteral(" n'existe pas!")) || message.contains(abime_) ||
           message.contains(absent_) || message.contains(QStringLiteral("sans/dossier.")) ||
           message.contains(journal_abime_) || message.contains(journal_sauve_);
  }

  // The journal drawn again at scale 1 must be the canvas. Entries are drawn as they come;
  // a figure taken out of the journal because it was drawn twice in XOR is drawn once more,
  // which takes it off; any other cut draws the journal again from its start.
  void verifier_journal(const QString& contexte) {
    const JournalCourant& j = form->journal;
    const std::vector<Entree>& entrees = j.tout().entrees();
    std::size_t commun = 0;
    if (j.coupures() != coupures_vues_) {
      const std::size_t n = std::min(appliquees_.size(), j.longueur());
      while (commun < n && appliquees_[commun] == entrees[commun]) ++commun;
    } else {
      commun = appliquees_.size();
    }
    const bool une_figure_otee = commun + 1 == appliquees_.size() &&
                                 involutive(appliquees_.back()) && redessin_;
    if (commun < appliquees_.size() && !une_figure_otee) {
      redessin_ = std::make_unique<Redessin>(1);
      appliquees_.clear();
      const Journal courant = j.journal();
      for (const Entree& e : courant.entrees()) redessin_->appliquer(e);
      appliquees_.assign(entrees.begin(),
                         entrees.begin() + static_cast<std::ptrdiff_t>(j.longueur()));
      ++redessins_complets_;
    } else {
      if (une_figure_otee) {
        redessin_->appliquer(appliquees_.back());
        appliquees_.pop_back();
      }
      if (!redessin_) redessin_ = std::make_unique<Redessin>(1);
      for (std::size_t i = appliquees_.size(); i < j.longueur(); ++i) {
        redessin_->appliquer(entrees[i]);
        appliquees_.push_back(entrees[i]);
      }
    }
    coupures_vues_ = j.coupures();
    const Bitmap& toile = form->canvas().bitmap();
    const Bitmap& redessinee = redessin_->toile().bitmap();
    ASSERT_EQ(redessinee.width(), toile.width());
    ASSERT_EQ(redessinee.height(), toile.height());
    for (int y = 0; y < toile.height(); ++y) {
      for (int x = 0; x < toile.width(); ++x) {
        ASSERT_EQ(redessinee.pixel(x, y), toile.pixel(x, y))
            << "the journal drawn again differs from the canvas at (" << x << ", " << y
            << "), " << contexte.toStdString() << ", journal of " << j.longueur()
            << " entries";
      }
    }
  }

  // The journal drawn in bands is the same bit for bit on 1, 2, 3 and 8 threads: at scale
  // 1, the canvas; at scale 2, the journal drawn entry by entry there.
  void verifier_bandes(const QString& contexte) {
    const Journal journal = form->journal.journal();
    Redessin un_par_un(2);
    for (const Entree& e : journal.entrees()) un_par_un.appliquer(e);
    for (int fils : {1, 2, 3, 8}) {
      Bitmap a_un, a_deux;
      ASSERT_TRUE(redessiner(journal, 1, a_un, {}, fils));
      ASSERT_TRUE(redessiner(journal, 2, a_deux, {}, fils));
      ASSERT_TRUE(a_un == form->canvas().bitmap())
          << "scale 1 on " << fils << " threads, " << contexte.toStdString();
      ASSERT_TRUE(a_deux == un_par_un.toile().bitmap())
          << "scale 2 on " << fils << " threads, " << contexte.toStdString();
    }
  }

  std::mt19937_64 moteur_;
  std::vector<QString> instantanes_;
  QString abime_;
  QString absent_;
  QString journal_sauve_;
  QString journal_abime_;
  std::unique_ptr<Redessin> redessin_;
  std::vector<Entree> appliquees_;  // the entries drawn by redessin_, in order
  std::uint64_t coupures_vues_ = 0;
  int redessins_complets_ = 0;
  std::vector<TEdit*> edits_nombres_;
  struct Fleches {
    TUpDown* up_down;
    QToolButton* haut;
    QToolButton* bas;
    int confort;  // the arrows lean back below this position
  };
  std::vector<Fleches> fleches_;
  std::vector<QWidget*> boutons_;
};

TEST_F(UsageAleatoire,
       EveryEventLeavesTheWindowAnsweringWithReadableSnapshotsAndOnlyDeservedErrors) {
  const std::uint64_t graine = variable("ORVANE_GRAINE", kGraineParDefaut);
  const std::uint64_t total = variable("ORVANE_EVENEMENTS", kEvenementsParDefaut);
  moteur_.seed(graine);
  std::uint64_t numero = 0;
  int instantanes_relus = 0;
  int erreurs_meritees = 0;
  bool fichier_demande = false;

  // Runs one event, then checks the window.
  const auto etape = [&](const std::function<void()>& evenement, bool instantane_egal_toile) {
    if (numero >= total || HasFatalFailure()) return;
    ++numero;
    const QString contexte =
        QStringLiteral("event %1 of the run with ORVANE_GRAINE=%2").arg(numero).arg(graine);
    SCOPED_TRACE(contexte.toStdString());
    const QStringList illisibles_avant = textes_illisibles();
    const qsizetype messages_avant = systeme.messages.size();
    instantanes_.clear();

    evenement();
    // The snapshot's write ended and its outcome taken, as the window does when told.
    a_la_frontiere([this] { form->finir_instantane(); });

    bool repond = false;
    QMetaObject::invokeMethod(
        form.get(), [&repond] { repond = true; }, Qt::QueuedConnection);
    QApplication::processEvents();
    ASSERT_TRUE(repond) << "the window no longer answers";
    ASSERT_TRUE(form->isVisible());

    // The save's own notice that the generic name is free may come before an error box;
    // an error itself is shown once.
    const QStringList nouveaux = systeme.messages.mid(messages_avant);
    int erreurs = 0;
    const QStringList illisibles = illisibles_avant + textes_illisibles();
    for (const QString& message : nouveaux) {
      ASSERT_TRUE(merite(message, illisibles, fichier_demande))
          << "message for an input that deserves none: " << message.toStdString();
      if (!message.endsWith(QStringLiteral(" n'existe pas!"))) ++erreurs;
    }
    ASSERT_LE(erreurs, 1) << "one event showed more than one error box: "
                          << nouveaux.join(" | ").toStdString();
    erreurs_meritees += erreurs;

    const Bitmap& toile = form->canvas().bitmap();
    for (const QString& chemin : instantanes_) {
      Bitmap relu;
      ASSERT_NO_THROW(relu = lire_fichier_bmp(chemin)) << chemin.toStdString();
      ASSERT_EQ(relu.width(), toile.width());
      ASSERT_EQ(relu.height(), toile.height());
      if (instantane_egal_toile) {
        ASSERT_TRUE(relu == toile) << chemin.toStdString();
      }
      ++instantanes_relus;
    }
    verifier_journal(contexte);
    if (numero % kEvenementsEntreBandes == 0 || numero == total) verifier_bandes(contexte);
  };
  const auto etape_fichiers = [&](const std::function<void()>& evenement, bool egal) {
    fichier_demande = true;
    etape(evenement, egal);
    fichier_demande = false;
  };

  while (numero < total && !HasFatalFailure()) {
    const int choix = hasard(100);
    if (choix < 55) {
      trait(etape);
    } else if (choix < 62) {
      deplacement_seul(etape);
    } else if (choix < 77) {
      touche(etape_fichiers);  // Ctrl+S and Ctrl+O reach the files too
    } else if (choix < 82) {
      saisie(etape);
    } else if (choix < 99) {
      clic_palette(etape_fichiers);
    } else {
      // Time passes: the palette's timers tick.
      etape([] { QTest::qWait(25); }, false);
    }
  }
  EXPECT_EQ(numero, total);
  EXPECT_GT(instantanes_relus, 0);

  // The poster: drawn again at scale 3 and reduced, the canvas but for edges.
  const Bitmap& toile = form->canvas().bitmap();
  Bitmap grande;
  ASSERT_TRUE(redessiner(form->journal.journal(), 3, grande, {}));
  const std::size_t ecarts = fidelite::ecarts(toile, fidelite::reduite(grande, 3)).size();
  if (qEnvironmentVariableIsSet("ORVANE_VIDAGE")) {
    ecrire_journal(qEnvironmentVariable("ORVANE_VIDAGE"), form->journal.journal());
    std::printf("ECARTS %zu\n", ecarts);
  }
  EXPECT_LE(ecarts * 10000, 5u * toile.width() * toile.height())
      << ecarts << " pixels at scale 3 far from the canvas, whose neighbours are too";
  std::printf("%llu events, %d snapshots read back, %d deserved error boxes, the journal "
              "drawn again %d times from its start\n",
              static_cast<unsigned long long>(numero), instantanes_relus, erreurs_meritees,
              redessins_complets_);
}

}  // namespace
}  // namespace orvane
