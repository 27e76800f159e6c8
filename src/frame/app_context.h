// What every calculator window is handed when it opens: the shared state, the
// message interface, the report engine and the paths of the two stores.
#pragma once

#include <QString>

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
};

}  // namespace reventa
