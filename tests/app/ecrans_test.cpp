#include <QAbstractButton>
#include <QGroupBox>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <cmath>

#include "app/controls/chemin_abrege.h"
#include "app/echelle_palette.h"
#include "app/tform1.h"
#include "fenetre_test.h"

namespace orvane {
namespace {

int arrondi(double v) { return static_cast<int>(std::lround(v)); }

// The palette on screens of every width: scaled as one piece to fit the narrow ones.
class PaletteSurEcran : public ::testing::TestWithParam<QSize> {
 protected:
  void SetUp() override {
    systeme = std::make_unique<SystemeSimule>(GetParam());
    systeme->programme = repertoire.filePath(QStringLiteral("orvane"));
    form = std::make_unique<TForm1>(*systeme);
    form->show();
    QApplication::processEvents();
  }
  int largeur() const { return GetParam().width(); }
  int hauteur() const { return GetParam().height(); }
  double f() const { return std::min(1.0, largeur() / 1366.0); }
  // A control's centre, in the window, where a click lands.
  QPoint centre(QWidget* w) const { return w->mapTo(form.get(), w->rect().center()); }

  QTemporaryDir repertoire;
  std::unique_ptr<SystemeSimule> systeme;
  std::unique_ptr<TForm1> form;
};

TEST_P(PaletteSurEcran, EveryControlLiesOnTheScreenAtItsScaledPlace) {
  EXPECT_DOUBLE_EQ(form->echelle_palette, f());
  const int haut = arrondi(132 * f());
  EXPECT_EQ(form->Panel1->geometry(), QRect(0, hauteur() - haut, largeur(), haut));
  EXPECT_EQ(form->haut_palette, hauteur() - haut);
  // Centring the layout's block on a screen narrower than it moves every control left, by
  // 5 pixels at the palette's own width: the draw-mode group's frame starts 2 of them off.
  const QRect ecran(arrondi(-2 * f()), 0, largeur() + arrondi(2 * f()), haut);
  for (QWidget* c : form->Panel1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    EXPECT_TRUE(ecran.contains(c->geometry()))
        << c->metaObject()->className() << " " << c->x() << "," << c->y() << " "
        << c->width() << "x" << c->height();
  }
  // The layout's places and fonts, shifted to centre its block, times f.
  const int d = (std::max(largeur(), 1366) - 1377) / 2;
  EXPECT_EQ(form->Panel_quit->geometry(),
            QRect(arrondi((1156 + d) * f()), arrondi(22 * f()),
                  arrondi((1204 + d) * f()) - arrondi((1156 + d) * f()),
                  arrondi(51 * f()) - arrondi(22 * f())));
  EXPECT_EQ(form->ComboBox1->x() + form->ComboBox1->width(), arrondi((1361 + d) * f()));
  EXPECT_TRUE(form->rect().contains(form->Panel8->geometry()));
}

TEST_P(PaletteSurEcran, ControlsAnswerClicksAtTheirScaledPlaces) {
  const auto cliquer = [&](QWidget* controle) {
    const QPoint ici = centre(controle);
    QWidget* sous = form->childAt(ici);
    ASSERT_TRUE(sous == controle || controle->isAncestorOf(sous))
        << controle->metaObject()->className();
    QTest::mouseClick(sous, Qt::LeftButton, {}, sous->mapFrom(form.get(), ici));
  };
  const std::vector<QWidget*> a_atteindre = {form->Panel_new_fond_noir, form->Panel2,
                                             form->Panel_quit,          form->Panel12,
                                             form->Panel4,              form->Edit_nom_generique,
                                             form->ComboBox1};
  for (QWidget* c : a_atteindre) {
    EXPECT_TRUE(QRect(0, 0, largeur(), hauteur()).contains(c->geometry().translated(
        form->Panel1->pos())))
        << c->metaObject()->className();
  }
  cliquer(form->Panel2);  // the white "New"
  EXPECT_EQ(form->canvas().Pixels(0, 0), 0xFFFFFFu);
  cliquer(form->Panel12);  // "Aide"
  EXPECT_TRUE(form->Panel8->isVisible());
  cliquer(form->Panel12);
  cliquer(form->Panel4);  // the palette-colour square
  EXPECT_EQ(systeme->couleurs_proposees.size(), 1u);
  cliquer(form->Edit_nom_generique);
  EXPECT_TRUE(form->Edit_nom_generique->hasFocus());
  cliquer(form->Panel_quit);
  EXPECT_EQ(systeme->questions, QStringList{QStringLiteral("Confirmation: Quitter ?")});
}

TEST_P(PaletteSurEcran, HintMarginsAndSlideOutFollowTheScale) {
  const int marge = arrondi(50 * f());
  form->Panel1MouseMove(form->RadioGroup_peindre_dessiner->x() - marge + 1, 5);
  EXPECT_TRUE(form->Panel1->toolTip().isEmpty());
  form->Panel1MouseMove(form->RadioGroup_peindre_dessiner->x() - marge - 1, 5);
  EXPECT_FALSE(form->Panel1->toolTip().isEmpty());
  // A full slide takes the palette's scaled height in ticks.
  form->CheckBox_panel_disparait_auto->setChecked(true);
  form->masquage_arme = true;
  form->Timer1Timer();
  for (int i = 0; i < form->Panel1->height(); ++i) form->Timer2Timer();
  EXPECT_EQ(form->Panel1->y(), hauteur());
  EXPECT_FALSE(form->palette_visible_a_l_ecran());
}

// Scaled down, every caption stays whole: its text, measured at the control's own font, with
// the check or radio mark before it, fits the control's width and height.
TEST_P(PaletteSurEcran, EveryCaptionFitsInsideItsControl) {
  for (QWidget* c : form->Panel1->findChildren<QWidget*>()) {
    if (!c->isVisibleTo(form->Panel1)) continue;
    const QFontMetrics mesure(c->font());
    QString texte;
    QSize marque;  // the check or radio mark and the space after it
    if (auto* b = qobject_cast<QAbstractButton*>(c)) {
      texte = b->text();
      const bool radio = b->inherits("QRadioButton");
      if (radio || b->inherits("QCheckBox")) {
        const auto mesure_style = [b](QStyle::PixelMetric m) {
          return b->style()->pixelMetric(m, nullptr, b);
        };
        marque = radio ? QSize(mesure_style(QStyle::PM_ExclusiveIndicatorWidth) +
                                   mesure_style(QStyle::PM_RadioButtonLabelSpacing),
                               mesure_style(QStyle::PM_ExclusiveIndicatorHeight))
                       : QSize(mesure_style(QStyle::PM_IndicatorWidth) +
                                   mesure_style(QStyle::PM_CheckBoxLabelSpacing),
                               mesure_style(QStyle::PM_IndicatorHeight));
      }
    } else if (auto* g = qobject_cast<QGroupBox*>(c)) {
      texte = g->title();
    } else if (auto* p = qobject_cast<TPanel*>(c)) {
      texte = p->Caption();
    } else if (auto* l = qobject_cast<TLabel*>(c); l && l != form->Label_rep) {
      texte = l->Caption();  // the directory's label shows the end of a long path
    }
    if (texte.isEmpty()) continue;
    const std::string nom = texte.toStdString() + " (" + c->metaObject()->className() + ")";
    EXPECT_LE(marque.width() + mesure.horizontalAdvance(texte), c->width()) << nom;
    EXPECT_LE(std::max(marque.height(), mesure.height()), c->height()) << nom;
    EXPECT_TRUE(c->parentWidget()->rect().contains(c->geometry())) << nom;
  }
}

// The help keeps a readable text whatever the palette's scale, in a panel large enough to
// show it whole, without a scroll bar.
TEST_P(PaletteSurEcran, TheHelpIsReadableAndWholeWithoutAScrollBar) {
  EXPECT_GE(form->Memo1->font().pixelSize(), TForm1::kPoliceAideMin);
  form->Panel12Click();
  QApplication::processEvents();
  EXPECT_TRUE(form->rect().contains(form->Panel8->geometry()));
  EXPECT_TRUE(form->Panel8->rect().contains(form->Memo1->geometry()));
  EXPECT_EQ(form->Memo1->verticalScrollBar()->maximum(), 0);
  EXPECT_FALSE(form->Memo1->verticalScrollBar()->isVisible());
  EXPECT_FALSE(form->Memo1->horizontalScrollBar()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Ecrans, PaletteSurEcran,
                         ::testing::Values(QSize(1024, 768), QSize(1280, 800),
                                           QSize(1093, 614), QSize(1366, 768),
                                           QSize(1920, 1080)),
                         [](const auto& info) {
                           return std::to_string(info.param.width()) + "x" +
                                  std::to_string(info.param.height());
                         });

TEST(AideSurPetitEcran, AScreenTooShortForTheHelpGivesItAScrollBarInsideTheScreen) {
  QTemporaryDir repertoire;
  SystemeSimule systeme(QSize(800, 360));
  systeme.programme = repertoire.filePath(QStringLiteral("orvane"));
  TForm1 form(systeme);
  form.show();
  form.Panel12Click();
  QApplication::processEvents();
  EXPECT_GE(form.Memo1->font().pixelSize(), TForm1::kPoliceAideMin);
  EXPECT_TRUE(form.rect().contains(form.Panel8->geometry()));
  EXPECT_GT(form.Memo1->verticalScrollBar()->maximum(), 0);
  EXPECT_TRUE(form.Memo1->verticalScrollBar()->isVisible());
  EXPECT_FALSE(form.Memo1->horizontalScrollBar()->isVisible());
}

TEST(CheminAbrege, KeepsTheEndOfThePathByWholeComponents) {
  const QFontMetrics m(QFont(QStringLiteral("DejaVu Sans"), 9));
  const QString chemin = QStringLiteral("/home/marie/Images/fleurs");
  const auto largeur = [&](const QString& t) { return m.horizontalAdvance(t); };
  const struct {
    int largeur;
    QString attendu;
  } cas[] = {
      {largeur(chemin), chemin},
      {largeur(QStringLiteral("…/Images/fleurs")), QStringLiteral("…/Images/fleurs")},
      {largeur(QStringLiteral("…/Images/fleurs")) - 1, QStringLiteral("…/fleurs")},
  };
  for (const auto& c : cas) EXPECT_EQ(chemin_abrege(chemin, m, c.largeur), c.attendu);
  // Not even the last component fits: its end.
  const QString fin = chemin_abrege(chemin, m, largeur(QStringLiteral("…urs")));
  EXPECT_TRUE(fin.startsWith(u'…') && fin.endsWith(QStringLiteral("rs"))) << fin.toStdString();
  EXPECT_LE(largeur(fin), largeur(QStringLiteral("…urs")));
}

TEST(CheminAbrege, TheDirectoryLabelShowsTheEndAndHintsTheWholePath) {
  SystemeSimule systeme;
  TForm1 form(systeme);
  QString chemin = QStringLiteral("/home/marie");
  while (form.Label_rep->fontMetrics().horizontalAdvance(chemin) <= form.Label_rep->width()) {
    chemin += QStringLiteral("/un dossier de plus");
  }
  chemin += QStringLiteral("/Mes Images/fleurs");
  form.Label_rep->setCaption(chemin + QStringLiteral("/encore/plus/loin/que/prévu/ici"));
  form.Label_rep->setCaption(chemin);
  EXPECT_EQ(form.Label_rep->Caption(), chemin);
  EXPECT_TRUE(form.Label_rep->text().startsWith(QStringLiteral("…/")));
  EXPECT_TRUE(chemin.endsWith(form.Label_rep->text().mid(1)));
  EXPECT_LE(form.Label_rep->fontMetrics().horizontalAdvance(form.Label_rep->text()),
            form.Label_rep->width());
  EXPECT_EQ(form.Label_rep->toolTip(),
            QStringLiteral("répertoire de la dernière images enregistrée ") + chemin);
}

// The canvas in the screen's own pixels: run at the scales of 1, 2 and 1.25 (the scale is
// the toolkit's, set for the whole test program).
class EcranPixels : public FenetreTest {
 protected:
  // A screen of 2560 x 1600 pixels, whatever the scale.
  EcranPixels() : FenetreTest(QSize(arrondi(2560 / ratio()), arrondi(1600 / ratio()))) {}
  static double ratio() { return QGuiApplication::primaryScreen()->devicePixelRatio(); }
  QSize pixels() const { return QSize(2560, 1600); }
  // A mouse event at a device pixel, in the toolkit's logical coordinates.
  void souris(QEvent::Type type, QPoint pixel, Qt::MouseButtons boutons) {
    const QPointF p(pixel.x() / ratio(), pixel.y() / ratio());
    QMouseEvent e(type, p, p, p, type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                  boutons, Qt::NoModifier);
    QApplication::sendEvent(form->Image1, &e);
  }
};

TEST_F(EcranPixels, CanvasCentreAndClonesAreInDevicePixels) {
  const Canvas& c = form->Image1->canvas();
  EXPECT_EQ(QSize(c.width(), c.height()), pixels());
  EXPECT_EQ(form->centre_x, pixels().width() / 2);
  EXPECT_EQ(form->centre_y, pixels().height() / 2);
  EXPECT_EQ(form->reglages_trace().largeur_ecran, pixels().width());
}

TEST_F(EcranPixels, ADragDrawsThePixelsUnderThePointerAndTheScreenShowsThemOneToOne) {
  form->RadioGroup_symetrie->setItemIndex(4);  // "unique"
  form->Edit3->setText(QStringLiteral("1"));
  const QPoint debut(600, 301), fin(1400, 301);
  souris(QEvent::MouseButtonPress, debut, Qt::LeftButton);
  for (int x = 700; x <= 1400; x += 100) souris(QEvent::MouseMove, {x, 301}, Qt::LeftButton);
  souris(QEvent::MouseButtonRelease, fin, Qt::NoButton);
  const Bitmap& b = form->canvas().bitmap();
  int allumes = 0;
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x) {
      const bool sur_la_ligne = y == 301 && x >= 600 && x < 1400;
      allumes += b.row(y)[x] != 0;
      if (sur_la_ligne) {
        EXPECT_EQ(b.row(y)[x], 0x008000u) << x;
      }
    }
  EXPECT_EQ(allumes, 800);

  form->Image1->rafraichir();
  const QImage ecran = form->Image1->grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(ecran.size(), pixels());
  for (int y = 295; y < 308; ++y)
    for (int x = 590; x < 1410; ++x) {
      const Colour c = b.row(y)[x];
      const QRgb attendu = qRgb(c & 0xFF, c >> 8 & 0xFF, c >> 16 & 0xFF);
      ASSERT_EQ(ecran.pixel(x, y), attendu) << x << "," << y;
    }
}

}  // namespace
}  // namespace orvane
