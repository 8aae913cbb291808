#include <gtest/gtest.h>

#include "app/nombres.h"
#include "fenetre_test.h"

namespace orvane {
namespace {

TEST(Espaces, TrimmingKeepsOneSpaceOfABlankTextOnlyFromTheStart) {
  EXPECT_EQ(sans_espaces_fin("  a b  "), "  a b");
  EXPECT_EQ(sans_espaces_debut("  a b  "), "a b  ");
  EXPECT_EQ(sans_espaces_debut("   "), " ");
  EXPECT_EQ(sans_espaces("   "), "");
  EXPECT_EQ(sans_espaces(""), "");
  EXPECT_EQ(sans_espaces("\t1 "), "\t1");  // only 0x20 counts as a space
}

struct CasFiltre {
  const char16_t* texte;
  char16_t separateur;
  const char16_t* attendu;
};

TEST(FiltreNombre, KeepsTheCharactersOfANumber) {
  const CasFiltre cas[] = {
      {u" 12 ", u',', u"12"},       {u"1.5", u',', u"1,5"},     {u"24 px", u',', u"24"},
      {u"abc", u',', u""},          {u"--1E5", u',', u"--1E5"}, {u"12e", u',', u"12"},
      {u"1 000", u',', u"1000"},    {u"1\u202F000", u',', u"1000"},
      {u"1,5", u'.', u"1.5"},       {u"1.5", u'.', u"1.5"},     {u"1.2.3", u',', u"1,23"},
      {u"1,2.3", u',', u"1,2,3"},    {u"3*4/2+1", u'.', u"3*4/2+1"},
  };
  for (const CasFiltre& c : cas) {
    EXPECT_EQ(filtre_nombre(QString::fromUtf16(c.texte), QChar(c.separateur)),
              QString::fromUtf16(c.attendu))
        << QString::fromUtf16(c.texte).toStdString() << " with '"
        << QString(QChar(c.separateur)).toStdString() << "'";
  }
}

TEST(StrToInt, ConvertsSignedDecimalIntegersAndRejectsTheRest) {
  EXPECT_EQ(StrToInt("0"), 0);
  EXPECT_EQ(StrToInt("-17"), -17);
  EXPECT_EQ(StrToInt("+5"), 5);
  EXPECT_EQ(StrToInt("2147483647"), 2147483647);
  EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
  for (const char* mauvais : {"", "-", "--1E5", "1,5", "12a", "2147483648", "99999999999999999999"}) {
    EXPECT_THROW(StrToInt(mauvais), ErreurConversion) << mauvais;
  }
  try {
    StrToInt("1,5");
  } catch (const ErreurConversion& e) {
    EXPECT_NE(std::string(e.what()).find("'1,5'"), std::string::npos);
  }
}

TEST(TexteEntier, AGroupSeparatorIsNeverOneTheFilterWouldReadAsADecimalPoint) {
  for (const char* nom : {"C", "fr_FR", "en_US", "de_DE"}) {
    QLocale::setDefault(QLocale(QString::fromLatin1(nom)));
    const QString t = texte_entier(1000);
    EXPECT_EQ(StrToInt(filtre_nombre(t, QLocale().decimalPoint().front())), 1000)
        << nom << ": " << t.toStdString();
  }
  QLocale::setDefault(QLocale::system());
}

class NbPetales : public FenetreTest {};

TEST_F(NbPetales, ZeroOrNothingIsOnePetal) {
  const std::pair<const char*, int> cas[] = {{"24", 24}, {"0", 1}, {"", 1}, {" 7 ", 7}, {"-3", -3}};
  for (const auto& [texte, attendu] : cas) {
    form->Edit1->setText(texte);
    EXPECT_EQ(form->nb_petales(), attendu) << texte;
  }
  form->Edit1->setText("x-");
  EXPECT_THROW(form->nb_petales(), ErreurConversion);
}

}  // namespace
}  // namespace orvane
