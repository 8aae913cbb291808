#pragma once

#include <QStringList>
#include <deque>
#include <functional>
#include <map>
#include <vector>

#include "app/systeme.h"

namespace orvane {

// The desktop as a test scripts and observes it.
class SystemeSimule : public Systeme {
 public:
  explicit SystemeSimule(QSize ecran = QSize(1366, 768)) : ecran_(ecran) {}

  QSize taille_ecran() override { return ecran_; }
  QString chemin_programme() override { return programme; }
  void SetCursorPos(int x, int y) override { pointeur = QPoint(x, y); }
  QPoint GetCursorPos() override { return pointeur; }
  void curseur_ecran(int code) override { curseur = code; }
  std::optional<Colour> choisir_couleur(QWidget*, Colour initiale, CasesPerso& perso) override {
    couleurs_proposees.push_back(initiale);
    cases_proposees.push_back(perso);
    // Like the real dialog, an edited slot changes at once, even if the dialog is cancelled.
    for (const auto& [i, c] : cases_editees) perso[static_cast<size_t>(i)] = c;
    cases_editees.clear();
    if (reponses_couleur.empty()) return std::nullopt;
    const std::optional<Colour> r = reponses_couleur.front();
    reponses_couleur.pop_front();
    return r;
  }
  bool question(QWidget*, const QString& titre, const QString& texte) override {
    questions << titre + QStringLiteral(": ") + texte;
    if (pendant_question) pendant_question();
    return reponse_question;
  }
  void message(QWidget*, const QString& texte) override { messages << texte; }
  void erreur(QWidget*, const QString& texte) override {
    messages << texte;
    erreurs << texte;
  }
  QString ouvrir_image(QWidget*, const DialogueImage& d) override {
    dialogues_ouverture.push_back(d);
    return chemin_ouvert;
  }
  QString enregistrer_image(QWidget*, const DialogueImage& d) override {
    dialogues_enregistrement.push_back(d);
    return chemin_enregistre;
  }
  std::optional<ChoixEchelle> choisir_echelle(QWidget*, QSize taille,
                                              ChoixEchelle initial) override {
    echelles_demandees.emplace_back(taille, initial);
    return reponse_echelle;
  }
  std::optional<ChoixFilm> choisir_film(QWidget*, QSize taille, ChoixFilm initial) override {
    films_demandes.emplace_back(taille, initial);
    return reponse_film;
  }
  void terminer() override { ++terminaisons; }

  QSize ecran_;
  QString programme = QStringLiteral("/nulle/part/orvane");
  QPoint pointeur;
  int curseur = crDefault;
  std::deque<std::optional<Colour>> reponses_couleur;
  std::vector<Colour> couleurs_proposees;
  std::vector<CasesPerso> cases_proposees;
  std::map<int, Colour> cases_editees;  // slot -> colour the user puts there next time
  bool reponse_question = false;
  std::function<void()> pendant_question;  // what the open question does to the program
  QStringList questions;
  QStringList messages;  // every box, the error boxes included
  QStringList erreurs;   // the boxes shown with the error icon
  QString chemin_ouvert;
  QString chemin_enregistre;
  std::vector<DialogueImage> dialogues_ouverture;
  std::vector<DialogueImage> dialogues_enregistrement;
  std::optional<ChoixEchelle> reponse_echelle;
  std::vector<std::pair<QSize, ChoixEchelle>> echelles_demandees;  // canvas, choice offered
  std::optional<ChoixFilm> reponse_film;
  std::vector<std::pair<QSize, ChoixFilm>> films_demandes;  // canvas, choice offered
  int terminaisons = 0;
};

}  // namespace orvane
