// What makes Orvane an installed desktop program: where its files go, its command line,
// the platform on Wayland and Qt's texts in the user's language.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <optional>
#include <sstream>
#include <vector>

#include "app/controls/frontiere.h"
#include "app/ligne_de_commande.h"
#include "app/plateforme_x11.h"
#include "app/repertoire_donnees.h"
#include "app/session_graphique.h"
#include "app/tform1.h"
#include "app/traductions_qt.h"
#include "systeme_simule.h"

namespace orvane {
namespace {

// Sets environment variables for one test and puts back what was there.
class Environnement {
 public:
  void mettre(const char* nom, const QByteArray& valeur) {
    garder(nom);
    qputenv(nom, valeur);
  }
  void enlever(const char* nom) {
    garder(nom);
    qunsetenv(nom);
  }
  ~Environnement() {
    for (const auto& [nom, valeur] : anciennes_) {
      if (valeur) qputenv(nom, *valeur); else qunsetenv(nom);
    }
  }

 private:
  void garder(const char* nom) {
    anciennes_.emplace_back(nom, qEnvironmentVariableIsSet(nom)
                                     ? std::optional<QByteArray>(qgetenv(nom))
                                     : std::nullopt);
  }
  std::vector<std::pair<const char*, std::optional<QByteArray>>> anciennes_;
};

// A prefix with bin/orvane and the file the installation puts beside share/, and a user
// data directory of its own.
class Installation : public ::testing::Test {
 protected:
  void SetUp() override {
    programme = racine.filePath(QStringLiteral("prefixe/bin/orvane"));
    const QString marque = marque_installation(programme);
    ASSERT_TRUE(QDir().mkpath(racine.filePath(QStringLiteral("prefixe/bin"))));
    ASSERT_TRUE(QDir().mkpath(marque.left(marque.lastIndexOf(u'/'))));
    QFile fichier(marque);
    ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
    env.mettre("XDG_DATA_HOME", racine.filePath(QStringLiteral("donnees")).toUtf8());
    env.mettre("XDG_CONFIG_HOME", racine.filePath(QStringLiteral("config")).toUtf8());
    env.mettre("HOME", racine.filePath(QStringLiteral("maison")).toUtf8());
    donnees = racine.filePath(QStringLiteral("donnees/Orvane"));
    reglages = racine.filePath(QStringLiteral("config/Orvane"));
    images = racine.filePath(QStringLiteral("maison/Pictures"));
    ASSERT_TRUE(QDir().mkpath(images));
  }

  QTemporaryDir racine;
  Environnement env;
  QString programme;
  QString donnees;
  QString reglages;
  QString images;
};

TEST_F(Installation, AnInstalledProgramKeepsItsFilesInTheUsersDataDirectoryCreatedIfMissing) {
  ASSERT_EQ(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), donnees);
  EXPECT_TRUE(programme_installe(programme));
  EXPECT_FALSE(QDir(donnees).exists());
  EXPECT_EQ(repertoire_donnees(programme), donnees);
  EXPECT_TRUE(QDir(donnees).exists());
}

TEST_F(Installation, ABuildTreeOrACopiedFolderKeepsItsFilesBesideTheExecutable) {
  const QString copie = racine.filePath(QStringLiteral("copie/orvane"));
  const QString construction = racine.filePath(QStringLiteral("prefixe/build/orvane"));
  for (const QString& chemin : {copie, construction}) {
    EXPECT_FALSE(programme_installe(chemin)) << chemin.toStdString();
    const QString a_cote = chemin.left(chemin.lastIndexOf(u'/'));
    EXPECT_EQ(repertoire_donnees(chemin), a_cote);
    EXPECT_EQ(repertoire_reglages(chemin), a_cote);
    EXPECT_EQ(repertoire_images(chemin), a_cote);
  }
  EXPECT_EQ(repertoire_donnees(QStringLiteral("/orvane")), QStringLiteral("/"));
  EXPECT_FALSE(QDir(donnees).exists());
  EXPECT_FALSE(QDir(reglages).exists());
}

TEST_F(Installation, TheSettingsGoToTheConfigurationDirectoryTheFirstSaveToThePictures) {
  ASSERT_EQ(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation), reglages);
  EXPECT_EQ(repertoire_images(programme), images);
  // What a settings write killed half-way left there goes at the start.
  ASSERT_TRUE(QDir().mkpath(reglages));
  const QString reste = reglages + QStringLiteral("/.orvane-tmp-999999999-AbCdEf");
  QFile fichier_reste(reste);
  ASSERT_TRUE(fichier_reste.open(QIODevice::WriteOnly));
  fichier_reste.close();
  SystemeSimule systeme;
  systeme.programme = programme;
  TForm1 form(systeme);
  form.show();
  QCoreApplication::processEvents();
  EXPECT_FALSE(QFile::exists(reste));
  EXPECT_EQ(form.Label_rep->Caption(), images);
  form.RadioGroup_symetrie->setItemIndex(3);
  systeme.reponse_question = true;
  form.demande_quitter();
  EXPECT_TRUE(systeme.messages.isEmpty()) << systeme.messages.join(u'\n').toStdString();
  EXPECT_TRUE(QFile::exists(reglages + QStringLiteral("/orvane.prm")));
  EXPECT_FALSE(QFile::exists(donnees + QStringLiteral("/orvane.prm")));
  EXPECT_FALSE(QFile::exists(racine.filePath(QStringLiteral("prefixe/bin/orvane.prm"))));

  // The next start reads it back; without a pictures directory, the home directory.
  ASSERT_TRUE(QDir(images).removeRecursively());
  TForm1 suivante(systeme);
  suivante.show();
  QCoreApplication::processEvents();
  EXPECT_EQ(suivante.RadioGroup_symetrie->ItemIndex(), 3);
  EXPECT_EQ(suivante.Label_rep->Caption(), images);  // line 6 of the file
  EXPECT_EQ(repertoire_images(programme), racine.filePath(QStringLiteral("maison")));
}

TEST_F(Installation, TheInstalledWindowWritesItsSnapshotsInTheDataDirectory) {
  SystemeSimule systeme;
  systeme.programme = programme;
  TForm1 form(systeme);
  form.show();
  QCoreApplication::processEvents();
  EXPECT_EQ(form.Label_rep->Caption(), images);
  form.FormMouseDown(Qt::LeftButton, {}, 800, 300);
  form.FormMouseMove({}, 820, 310);
  form.FormMouseUp(Qt::LeftButton, {}, 820, 310);
  a_la_frontiere([&] { form.finir_instantane(); });
  EXPECT_TRUE(systeme.messages.isEmpty()) << systeme.messages.join(u'\n').toStdString();
  EXPECT_TRUE(QFile::exists(donnees + QStringLiteral("/~100.bmp")));
  EXPECT_FALSE(QFile::exists(racine.filePath(QStringLiteral("prefixe/bin/~100.bmp"))));
}

struct CasLigne {
  std::vector<const char*> arguments;
  std::optional<int> fin;
  const char* debut_sortie;   // on standard output
  const char* debut_erreurs;  // on standard error
  std::string image;
};

TEST(LigneDeCommande, HelpVersionAPictureAndTheToolkitsOptionsAnUnknownOptionIsAMistake) {
  const std::vector<CasLigne> cas = {
      {{"orvane", "--help"}, 0, "Usage : orvane", "", ""},
      {{"orvane", "-h"}, 0, "Usage : orvane", "", ""},
      {{"orvane", "-platform", "xcb", "--version"}, 0, "Orvane ", "", ""},
      {{"orvane", "-v"}, 0, "Orvane ", "", ""},
      {{"orvane"}, std::nullopt, "", "", ""},
      {{"orvane", "-platform", "offscreen"}, std::nullopt, "", "", ""},
      {{"orvane", "mes dessins/été 1.png"}, std::nullopt, "", "", "mes dessins/été 1.png"},
      {{"orvane", "-display", ":1", "a.bmp", "-reverse"}, std::nullopt, "", "", "a.bmp"},
      {{"orvane", "-style", "fusion", "--qwindowtitle", "Mon titre", "-title", "T", "a.bmp"},
       std::nullopt, "", "", "a.bmp"},
      {{"orvane", "-style=fusion", "--stylesheet=s.qss", "-platformtheme", "gtk3", "-name", "n",
        "-qwindowicon", "i.svg", "-icon", "i.svg", "-session", "s", "-plugin", "p"},
       std::nullopt, "", "", ""},
      {{"orvane", "-geometry", "640x480"}, 2, "",
       "orvane : La fenêtre d'Orvane couvre tout l'écran : l'option « -geometry » ne s'y "
       "applique pas.\nUsage", ""},
      {{"orvane", "--qwindowgeometry", "640x480"}, 2, "",
       "orvane : La fenêtre d'Orvane couvre tout l'écran : l'option « --qwindowgeometry »", ""},
      {{"orvane", "-sync"}, 2, "", "orvane : Option inconnue : « -sync ».", ""},
      {{"orvane", "-widgetcount"}, 2, "", "orvane : Option inconnue : « -widgetcount ».", ""},
      {{"orvane", "-stylesheet"}, 2, "", "orvane : L'option « -stylesheet » attend", ""},
      {{"orvane", "--", "-a.png"}, std::nullopt, "", "", "-a.png"},
      {{"orvane", "--couleur"}, 2, "", "orvane : Option inconnue : « --couleur ».\nUsage", ""},
      {{"orvane", "a.png", "-x", "--help"}, 2, "", "orvane : Option inconnue : « -x ».", ""},
      {{"orvane", "-platform"}, 2, "", "orvane : L'option « -platform » attend", ""},
      {{"orvane", "a.png", "b.png"}, 2, "", "orvane : Orvane n'ouvre qu'une image", ""},
  };
  for (const CasLigne& c : cas) {
    std::ostringstream sortie;
    std::ostringstream erreurs;
    const DemandeLigne demande = lire_ligne_de_commande(
        static_cast<int>(c.arguments.size()), c.arguments.data(), sortie, erreurs);
    const std::string texte = sortie.str();
    const std::string erreur = erreurs.str();
    EXPECT_EQ(demande.fin, c.fin) << c.arguments.back();
    EXPECT_EQ(demande.image, c.image) << c.arguments.back();
    EXPECT_EQ(texte.rfind(c.debut_sortie, 0), 0u) << texte;
    EXPECT_EQ(erreur.rfind(c.debut_erreurs, 0), 0u) << erreur;
    EXPECT_EQ(texte.empty(), c.fin != 0) << texte;
    // A mistake ends with the usage, on standard error.
    EXPECT_EQ(erreur.find("Usage : orvane") != std::string::npos, c.fin == 2) << erreur;
  }
  std::ostringstream version;
  std::ostringstream rien;
  const char* const arguments[] = {"orvane", "--version"};
  lire_ligne_de_commande(2, arguments, version, rien);
  EXPECT_EQ(version.str(), "Orvane " + QCoreApplication::applicationVersion().toStdString() + "\n");
}

struct CasPlateforme {
  const char* choisie;  // QT_QPA_PLATFORM before, nullptr: unset
  const char* wayland;
  const char* x11;
  bool option_platform;
  const char* attendue;  // after, nullptr: unset
};

TEST(Plateforme, AWaylandSessionWithXWaylandRunsOnXcbUnlessTheUserChose) {
  const CasPlateforme cas[] = {
      {nullptr, "wayland-0", ":0", false, "xcb"},
      {nullptr, nullptr, ":0", false, nullptr},          // plain X11: Qt's own choice
      {nullptr, "wayland-0", nullptr, false, nullptr},   // no XWayland to run on
      {"wayland", "wayland-0", ":0", false, "wayland"},  // the user's choice
      {nullptr, "wayland-0", ":0", true, nullptr},       // -platform on the command line
  };
  for (const CasPlateforme& c : cas) {
    Environnement env;
    for (const auto& [nom, valeur] : {std::pair{"QT_QPA_PLATFORM", c.choisie},
                                      std::pair{"WAYLAND_DISPLAY", c.wayland},
                                      std::pair{"DISPLAY", c.x11}}) {
      if (valeur) env.mettre(nom, valeur); else env.enlever(nom);
    }
    const char* avec[] = {"orvane", "-platform", "wayland"};
    const char* sans[] = {"orvane"};
    if (c.option_platform) choisir_xwayland(3, avec); else choisir_xwayland(1, sans);
    if (c.attendue) {
      EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), QByteArray(c.attendue));
    } else {
      EXPECT_FALSE(qEnvironmentVariableIsSet("QT_QPA_PLATFORM"));
    }
  }
}

TEST(Plateforme, ADisplayNamedOnTheCommandLineIsASessionReachedThroughXcb) {
  Environnement env;
  for (const char* nom : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) env.enlever(nom);
  const char* rien[] = {"orvane"};
  const char* ecran[] = {"orvane", "-display", ":7"};
  const char* ecran_double[] = {"orvane", "a.png", "--display", ":7"};
  const char* sans_valeur[] = {"orvane", "-display"};
  const char* apres_fin[] = {"orvane", "--", "-display", ":7"};
  const char* plateforme[] = {"orvane", "-platform", "offscreen"};
  EXPECT_FALSE(session_graphique_presente(1, rien));
  EXPECT_TRUE(session_graphique_presente(3, ecran));
  EXPECT_TRUE(session_graphique_presente(4, ecran_double));
  EXPECT_FALSE(session_graphique_presente(2, sans_valeur));
  EXPECT_FALSE(session_graphique_presente(4, apres_fin));
  EXPECT_TRUE(session_graphique_presente(3, plateforme));

  // On a Wayland session, -display is an X server's: only xcb reaches it.
  env.mettre("WAYLAND_DISPLAY", "wayland-0");
  choisir_xwayland(4, ecran_double);
  EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), QByteArray("xcb"));
}

// What the toolkit says while the platform starts is held, then passed on once it started.
QStringList messages_vus;
void noter(QtMsgType, const QMessageLogContext& contexte, const QString& message) {
  messages_vus << QString::fromUtf8(contexte.category) + QStringLiteral(": ") + message;
}

TEST(GardeDemarrage, HoldsTheToolkitsMessagesUntilThePlatformStarted) {
  messages_vus.clear();
  const QtMessageHandler avant = qInstallMessageHandler(noter);
  {
    const GardeDemarrage garde;
    qWarning("un avertissement");
    EXPECT_TRUE(messages_vus.isEmpty());
  }
  qInstallMessageHandler(avant);
  EXPECT_EQ(messages_vus, QStringList{QStringLiteral("default: un avertissement")});
}

TEST(TraductionsQt, TheToolkitsDialogsAndMenusSpeakTheUsersLanguage) {
  QTranslator* francais = installer_traductions_qt(*QCoreApplication::instance(),
                                                   QLocale(QLocale::French, QLocale::France));
  ASSERT_NE(francais, nullptr) << "Qt's translations (qt6-translations-l10n) are missing";
  EXPECT_EQ(QCoreApplication::translate("QColorDialog", "Select Color"),
            QStringLiteral("Sélectionner une couleur"));
  EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Copy"), QStringLiteral("Cop&ier"));
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Save As"),
            QStringLiteral("Enregistrer sous"));
  QCoreApplication::removeTranslator(francais);
  delete francais;
  EXPECT_EQ(QCoreApplication::translate("QColorDialog", "Select Color"),
            QStringLiteral("Select Color"));
}

TEST(TraductionsQt, ALanguageWithoutTranslationsKeepsQtsEnglish) {
  EXPECT_EQ(installer_traductions_qt(*QCoreApplication::instance(),
                                     QLocale(QLocale::Swahili, QLocale::Kenya)),
            nullptr);
  EXPECT_EQ(QCoreApplication::translate("QColorDialog", "Select Color"),
            QStringLiteral("Select Color"));
}

}  // namespace
}  // namespace orvane
