// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' one way to the settings store for a run of the program. A store
// that cannot be read at all (damaged, empty, without its Setup table or row) is
// not reported again at every window opening and every "O&K": the first window
// that meets it asks once whether to set the file aside and start from a fresh
// copy, or to carry on with the defaults and save nothing until the next start.
#pragma once

#include <QString>

#include "store/settings_store.h"

class QWidget;

namespace reventa {

class Messages;

class SettingsAccess {
 public:
  SettingsAccess(QString settingsDbPath, QString appFolder, Messages& messages);

  // The settings for a window that is opening. Any problem is shown over
  // `window`; a damaged store brings the question the first time only.
  SettingsRead read(QWidget* window);
  // Saves the chosen fields (see WriteSettings) and shows a failure over
  // `window`. When the user chose to carry on without saving, nothing is
  // written: the values stay with this run's later windows, and the first such
  // save says that settings are not being saved.
  void save(QWidget* window, const SetupRecord& record, unsigned fields);

  // False once the user chose to carry on without saving.
  bool saving() const { return saving_; }

 private:
  // Asks what to do about the damaged store; the read to use afterwards.
  SettingsRead offerFreshStore(QWidget* window, const SettingsRead& damaged);
  void stopSaving();

  QString path_;
  QString appFolder_;
  Messages& messages_;
  bool offered_ = false;
  bool saving_ = true;
  bool toldNotSaving_ = false;
  // The settings this run uses while nothing is saved.
  SetupRecord unsaved_;
};

}  // namespace reventa
