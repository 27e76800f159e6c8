// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame/settings_access.h"

#include <QDateTime>
#include <QDir>

#include "widgets/messages.h"

namespace reventa {

SettingsAccess::SettingsAccess(QString settingsDbPath, QString appFolder, Messages& messages)
    : path_(std::move(settingsDbPath)), appFolder_(std::move(appFolder)), messages_(messages) {}

SettingsRead SettingsAccess::read(QWidget* window) {
  if (!saving_) return SettingsRead{unsaved_, std::nullopt, 0u, false};
  SettingsRead read = ReadSettings(path_);
  if (read.damaged && !offered_) return offerFreshStore(window, read);
  if (read.problem) messages_.Error(window, kAppTitle, *read.problem);
  return read;
}

SettingsRead SettingsAccess::offerFreshStore(QWidget* window, const SettingsRead& damaged) {
  offered_ = true;
  const QString path = QDir::toNativeSeparators(path_);
  const QString text =
      QStringLiteral(
          "%1\n\n"
          "\"Set aside and start afresh\" keeps the damaged file in its folder under a dated "
          "name and puts a fresh settings store with the default settings in its place; your "
          "settings are saved from then on.\n\n"
          "\"Carry on without saving\" leaves the file as it is and uses the default settings; "
          "no settings are saved until the program is started again.%2")
          .arg(*damaged.problem, damaged.problem->contains(path)
                                     ? QString()
                                     : QStringLiteral("\n\nSettings store: ") + path);
  const Message question{kAppTitle, text, Message::Icon::Critical,
                         Message::Buttons::SetAsideCarryOn};
  if (messages_.Show(window, question) != Message::Answer::SetAside) {
    stopSaving();
    return SettingsRead{unsaved_, std::nullopt, 0u, false};
  }
  const SetAsideResult setAside =
      SetAsideSettingsStore(path_, appFolder_, QDateTime::currentDateTime());
  if (setAside.problem) {
    stopSaving();
    messages_.Error(
        window, kAppTitle,
        *setAside.problem + QStringLiteral("\n\nThe default settings are used, and no settings are "
                                           "saved until the program is started again."));
    return SettingsRead{unsaved_, std::nullopt, 0u, false};
  }
  SettingsRead fresh = ReadSettings(path_);
  if (fresh.problem) messages_.Error(window, kAppTitle, *fresh.problem);
  return fresh;
}

void SettingsAccess::stopSaving() {
  saving_ = false;
  unsaved_ = SetupRecord{};
}

void SettingsAccess::save(QWidget* window, const SetupRecord& record, unsigned fields) {
  if (saving_) {
    if (const auto problem = WriteSettings(path_, record, fields)) {
      // The settings still apply to the window; only saving them failed.
      messages_.Error(window, kAppTitle, *problem);
    }
    return;
  }
  CopySetupFields(record, fields, unsaved_);
  if (toldNotSaving_) return;
  toldNotSaving_ = true;
  // An error like any failed save, though the user chose it: the changes end
  // with the run.
  messages_.Error(window, kAppTitle,
                  QStringLiteral("The settings are used in this window and in the windows you "
                                 "open from now on, but they are not saved: you chose to carry "
                                 "on without saving the settings until the program is started "
                                 "again, because the settings store cannot be read:\n%1")
                      .arg(QDir::toNativeSeparators(path_)));
}

}  // namespace reventa
