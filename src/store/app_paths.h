// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program's files are: the read-only application folder beside the
// program (templates, pristine stores, picture), and the two stores the program
// writes, in the user's data folder.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace reventa {

inline const QString kReportStoreName = QStringLiteral("Crysprin.db");
inline const QString kSettingsStoreName = QStringLiteral("Settings.db");

// The application folder, found from the program's own location: bin/../share/
// reventa2024 both in the build tree and when installed.
QString FindAppFolder();

struct StorePaths {
  QString reportDb;    // the report data store
  QString settingsDb;  // the settings store
};

struct PreparedStores {
  StorePaths paths;
  QStringList problems;  // stores that could not be put in place
};

// Puts a fresh copy of the pristine store `name` from the application folder at
// `target`, writable by the user; a message when it cannot.
std::optional<QString> CopyPristineStore(const QString& appFolder, const QString& name,
                                         const QString& target);

// The two stores in the data folder. On a first start (a store file absent) the
// pristine store is copied from the application folder. A store that exists is
// never replaced, damaged or not.
PreparedStores PrepareUserStores(const QString& appFolder, const QString& dataFolder);

}  // namespace reventa
