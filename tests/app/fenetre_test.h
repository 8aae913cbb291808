#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <memory>

#include "app/controls/frontiere.h"
#include "app/tform1.h"
#include "systeme_simule.h"

namespace orvane {

// A main window on a scripted desktop, shown as at start-up, its snapshots kept in a
// directory of its own.
class FenetreTest : public ::testing::Test {
 protected:
  explicit FenetreTest(QSize ecran = QSize(1366, 768)) : systeme(ecran) {}

  void SetUp() override {
    systeme.programme = repertoire.filePath(QStringLiteral("orvane"));
    form = std::make_unique<TForm1>(systeme);
    form->show();
    QApplication::processEvents();
  }

  void TearDown() override { form.reset(); }

  // The snapshot's write ended and its outcome taken, as the window does when told.
  void instantane_ecrit() {
    a_la_frontiere([this] { form->finir_instantane(); });
    QApplication::processEvents();
  }

  SystemeSimule systeme;
  QTemporaryDir repertoire;
  std::unique_ptr<TForm1> form;
};

}  // namespace orvane
