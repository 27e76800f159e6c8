// SPDX-License-Identifier: GPL-3.0-or-later
// What every calculator window is handed when it opens: the shared state, the
// message interface, the report engine, the paths of the two stores and the way
// to the settings store.
#pragma once

#include <QString>
#include <memory>

#include "frame/settings_access.h"
#include "store/app_paths.h"

namespace reventa {

struct SharedState;
class Messages;
class ReportEngine;

struct AppContext {
  SharedState& state;
  Messages& messages;
  ReportEngine& reports;
  StorePaths stores;
  QString appFolder;
  // Made with the context and shared by its copies, so that what the user
  // decided about a damaged settings store holds for every window of the run.
  std::shared_ptr<SettingsAccess> settingsAccess =
      std::make_shared<SettingsAccess>(stores.settingsDb, appFolder, messages);

  SettingsAccess& settings() { return *settingsAccess; }
};

}  // namespace reventa
