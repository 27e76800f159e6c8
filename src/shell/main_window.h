// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the child-window area with its picture, the menu bar from
// which every calculator opens (once; chosen again it comes to the front), and
// the start-up sequence.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

#include "frame/app_context.h"
#include "taxyear/shared_state.h"

class QMdiArea;
class QMdiSubWindow;

namespace reventa {

class KeyboardAccess;
class Messages;
class OutsidePrograms;
class ReportEngine;
class StartupPrefs;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  struct Options {
    QString appFolder;   // templates, pristine stores, picture
    QString dataFolder;  // the user's stores
    QString prefsPath;   // the start-up preferences (empty: the user's config folder)
    Messages* messages = nullptr;
    // The web browser and calculator of the desktop (null: the desktop's own).
    OutsidePrograms* programs = nullptr;
    // Shows the disclaimer and returns whether it was accepted; the default runs
    // the disclaimer window modally.
    std::function<bool(QWidget*)> askDisclaimer;
  };

  explicit MainWindow(Options options);
  ~MainWindow() override;

  // Start-up after the window is shown: initialise the shared state, put the
  // stores in place, show the about box and the disclaimer as the preferences
  // ask. False when the disclaimer was refused; the window is then closed.
  bool start();

  // Opens (or brings to the front) the calculator window of that name.
  QWidget* openCalculator(const QString& objectName);
  // The open calculator window of that name, or null.
  QWidget* findCalculator(const QString& objectName) const;
  // Closes the listed calculator windows and resets the shared state.
  void initialiseAll();
  void showAbout();

  SharedState& state() { return state_; }
  AppContext& context() { return *context_; }
  QMdiArea* area() const { return area_; }
  StartupPrefs& prefs() { return *prefs_; }
  KeyboardAccess& keyboard() { return *keyboard_; }

  // The main window's size on a screen with this much room: enough for the
  // largest calculator with the package windows cascaded, or the whole room
  // (maximised) where the screen is smaller than that.
  static QSize DefaultSize(const QSize& room, bool* maximise = nullptr);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  // "&MS-Calculator": the first desktop calculator that starts, else the message.
  void startCalculator();
  // A calculator that does not fit the room scrolls with the child-window area;
  // the field or button the keyboard moves to is scrolled into view.
  void scrollIntoView(QWidget* focus);

  Options options_;
  std::unique_ptr<Messages> ownMessages_;
  Messages* messages_;
  std::unique_ptr<OutsidePrograms> ownPrograms_;
  OutsidePrograms* programs_;
  SharedState state_;
  std::unique_ptr<StartupPrefs> prefs_;
  std::unique_ptr<ReportEngine> reports_;
  std::unique_ptr<AppContext> context_;
  QMdiArea* area_;
  KeyboardAccess* keyboard_;
};

}  // namespace reventa
