// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/startup_prefs.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace reventa {

int VersionNumber(int major, int minor, int revision) {
  return QStringLiteral("%1%2%3").arg(major).arg(minor).arg(revision).toInt();
}

int CurrentVersionNumber() {
  return VersionNumber(REVENTA_VERSION_MAJOR, REVENTA_VERSION_MINOR, REVENTA_VERSION_PATCH);
}

QString VersionText() {
  return QStringLiteral("%1.%2.%3")
      .arg(REVENTA_VERSION_MAJOR)
      .arg(REVENTA_VERSION_MINOR, 2, 10, QLatin1Char('0'))
      .arg(REVENTA_VERSION_PATCH, 3, 10, QLatin1Char('0'));
}

void NameApplication() {
  QCoreApplication::setOrganizationName(QStringLiteral("Reventa"));
  QCoreApplication::setApplicationName(QStringLiteral("Reventa2024"));
  QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                              .arg(REVENTA_VERSION_MAJOR)
                                              .arg(REVENTA_VERSION_MINOR)
                                              .arg(REVENTA_VERSION_PATCH));
}

StartupPrefs::StartupPrefs(QString path) : path_(std::move(path)) {
  if (path_.isEmpty()) {
    path_ = QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
                .absoluteFilePath(QStringLiteral("StartupPrefs.ini"));
  }
}

bool StartupPrefs::viewAbout() const {
  const QSettings s(path_, QSettings::IniFormat);
  return s.value(QStringLiteral("StartupPrefs/ViewAbout"), true).toBool();
}

void StartupPrefs::setViewAbout(bool view) {
  QSettings s(path_, QSettings::IniFormat);
  s.setValue(QStringLiteral("StartupPrefs/ViewAbout"), view);
}

int StartupPrefs::var1() const {
  const QSettings s(path_, QSettings::IniFormat);
  bool ok = false;
  const int v = s.value(QStringLiteral("StartupPrefs/Var1")).toString().toInt(&ok);
  return ok ? v : 0;
}

void StartupPrefs::setVar1(int version) {
  QSettings s(path_, QSettings::IniFormat);
  s.setValue(QStringLiteral("StartupPrefs/Var1"), QString::number(version));
}

}  // namespace reventa
