// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/app_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace reventa {

QString FindAppFolder() {
  const QDir bin(QCoreApplication::applicationDirPath());
  const QString installed = bin.absoluteFilePath(QStringLiteral("../share/reventa2024"));
  if (QFileInfo(installed).isDir()) return QDir::cleanPath(installed);
  return bin.absolutePath();
}

std::optional<QString> CopyPristineStore(const QString& appFolder, const QString& name,
                                         const QString& target) {
  const QString pristine = QDir(appFolder).absoluteFilePath(name);
  if (!QFile::copy(pristine, target)) {
    return QStringLiteral("The store %1 could not be copied from %2 to %3.")
        .arg(name, appFolder, QFileInfo(target).absolutePath());
  }
  // The pristine copy may be read-only where it is installed; the user's copy
  // must be writable.
  QFile::setPermissions(target,
                        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
  return std::nullopt;
}

PreparedStores PrepareUserStores(const QString& appFolder, const QString& dataFolder) {
  PreparedStores prepared;
  const QDir data(dataFolder);
  prepared.paths.reportDb = data.absoluteFilePath(kReportStoreName);
  prepared.paths.settingsDb = data.absoluteFilePath(kSettingsStoreName);
  if (!data.exists() && !QDir().mkpath(dataFolder)) {
    prepared.problems << QStringLiteral("The data folder cannot be created:\n%1").arg(dataFolder);
    return prepared;
  }
  for (const QString& name : {kReportStoreName, kSettingsStoreName}) {
    const QString target = data.absoluteFilePath(name);
    if (QFileInfo::exists(target)) continue;
    if (auto problem = CopyPristineStore(appFolder, name, target)) prepared.problems << *problem;
  }
  return prepared;
}

}  // namespace reventa
