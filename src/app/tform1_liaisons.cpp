// The handler bound to each control's event.
#include "app/controls/frontiere.h"
#include "app/tform1.h"

namespace orvane {

void TForm1::lier_gestionnaires() {
  lier_journal();
  Image1->OnMouseDown = [this](Qt::MouseButton b, Qt::KeyboardModifiers s, int x, int y) {
    rendre_touches_aux_commandes();
    FormMouseDown(b, s, x, y);
  };
  Image1->OnMouseMove = [this](Qt::KeyboardModifiers s, int x, int y) { FormMouseMove(s, x, y); };
  Image1->OnMouseUp = [this](Qt::MouseButton b, Qt::KeyboardModifiers s, int x, int y) {
    FormMouseUp(b, s, x, y);
  };
  Panel1->OnMouseDown = [this](Qt::MouseButton b, int, int) { Panel1MouseDown(b); };
  Panel1->OnMouseMove = [this](int x, int y) { Panel1MouseMove(x, y); };
  Timer1->OnTimer = [this] { Timer1Timer(); };
  Timer2->OnTimer = [this] { Timer2Timer(); };

  Panel_quit->OnClick = [this] { Panel_quitClick(); };
  Panel_new_fond_noir->OnClick = [this] { Panel_new_fond_noirClick(); };
  Panel2->OnClick = [this] { Panel2Click(); };
  Panel7->OnClick = [this] { Panel7Click(); };
  Panel3->OnClick = [this] { Panel3Click(); };
  Panel_crayon->OnClick = [this] { Panel_crayonClick(); };
  Panel5->OnClick = [this] { Panel5Click(); };
  Panel6->OnClick = [this] { Panel6Click(); };
  Panel_peinture->OnClick = [this] { Panel_peintureClick(); };
  Panel4->OnClick = [this] { Panel4Click(); };
  Panel10->OnClick = [this] { Panel10Click(); };
  Panel12->OnClick = [this] { Panel12Click(); };
  Panel11->OnClick = [this] { Panel11Click(); };
  Panel13->OnClick = [this] { Panel13Click(); };
  Panel_stop->OnClick = [this] { Panel_stopClick(); };
  QObject::connect(SpeedButton_exit_help, &QToolButton::clicked, this,
                   [this] { a_la_frontiere([this] { SpeedButton_exit_helpClick(); }); });

  RadioGroup_type_trace->OnClick = [this] { RadioGroup_type_traceClick(); };
  RadioGroup_couleur_crayon->OnClick = [this] { RadioGroup_couleur_crayonClick(); };
  RadioGroup_peindre_dessiner->OnClick = [this] { RadioGroup_peindre_dessinerClick(); };
  RadioGroup_peindre_dessiner->OnEnter = [this] { RadioGroup_peindre_dessinerEnter(); };
  RadioGroup_symetrie->OnClick = [this] { RadioGroup_symetrieClick(); };
  RadioGroup_couleur_peinture->OnClick = [this] { RadioGroup_couleur_peintureClick(); };
  ComboBox1->OnClick = [this] { ComboBox1Click(); };
  CheckBox_ombre_1->OnClick = [this] { CheckBox_ombre_1Click(); };
  CheckBox_ombre_2->OnClick = [this] { CheckBox_ombre_2Click(); };
  UpDown5->OnChanging = [this] { UpDown5Changing(); };
  Edit6->OnChange = [this] { Edit6Change(); };
  for (TEdit* edit : {Edit1, Edit3, Edit4, Edit5, Edit6, Edit7}) {
    edit->OnKeyPress = [this](QChar& key) { Edit1KeyPress(key); };
  }
}

}  // namespace orvane
