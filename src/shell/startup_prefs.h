// SPDX-License-Identifier: GPL-3.0-or-later
// The two start-up preferences: whether the about box shows at start-up, and the
// version for which the disclaimer was last accepted. They live in a small INI
// file in the user's configuration folder.
#pragma once

#include <QString>

namespace reventa {

// The version as major, minor and revision written without separators and read as
// a number: 1.0.0 is 100, 1.2.13 would be 1213.
int VersionNumber(int major, int minor, int revision);
int CurrentVersionNumber();
// "1.00.000" for version 1.0.0.
QString VersionText();

// The names the program's preferences and stores are filed under (changing them
// moves the user's folders) and its version, "1.0.0". No display name is given:
// the desktop would add it to every window's title, after the window's caption.
void NameApplication();

class StartupPrefs {
 public:
  // path: the INI file (empty: the user's configuration folder).
  explicit StartupPrefs(QString path = {});

  // A missing ViewAbout means true: the about box shows until the user ticks it off.
  bool viewAbout() const;
  void setViewAbout(bool view);
  // The accepted version; 0 (never accepted) when missing or unreadable, so that a
  // first start shows the disclaimer.
  int var1() const;
  void setVar1(int version);

  const QString& path() const { return path_; }

 private:
  QString path_;
};

}  // namespace reventa
