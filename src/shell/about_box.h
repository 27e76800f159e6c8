// SPDX-License-Identifier: GPL-3.0-or-later
// The about box: the version, and a check box that keeps it from showing at the
// next start-up. Whenever it closes, the choice is stored.
#pragma once

#include <QDialog>

class QCheckBox;

namespace reventa {

class StartupPrefs;

class AboutBox : public QDialog {
  Q_OBJECT

 public:
  AboutBox(StartupPrefs& prefs, QWidget* parent);

  bool viewAbout() const { return viewAbout_; }

  // Places the box over the main window: centred across, a quarter down.
  void placeOver(const QWidget& mainWindow);

 protected:
  // Every way of closing (OK, the close box, Escape) comes through here.
  void done(int result) override;

 private:
  StartupPrefs& prefs_;
  QCheckBox* check_;
  bool viewAbout_;
};

}  // namespace reventa
