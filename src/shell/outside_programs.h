// SPDX-License-Identifier: GPL-3.0-or-later
// The programs outside Reventa that its menus start: the desktop's web browser
// for the video lectures and the desktop's calculator. They go through this
// interface, so that tests record what would be started and start nothing.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace reventa {

// The video lectures page, opened with the desktop's default program.
inline const QUrl kVideoLecturesUrl(QStringLiteral("https://www.reventa.co.za/video-lectures"));

// The desktop calculators tried in turn, the first one that starts wins.
inline const QStringList kDesktopCalculators{
    QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
    QStringLiteral("galculator"),       QStringLiteral("mate-calc"),
    QStringLiteral("qalculate-gtk"),    QStringLiteral("xcalc")};

class OutsidePrograms {
 public:
  virtual ~OutsidePrograms() = default;
  // Asks the desktop to open the address with the user's default program.
  virtual bool openUrl(const QUrl& url) = 0;
  // Starts the program on its own (not waiting for it); false when it could not
  // be started (not installed).
  virtual bool startDetached(const QString& program) = 0;
};

// The desktop's own: QDesktopServices and QProcess::startDetached.
class DesktopPrograms : public OutsidePrograms {
 public:
  bool openUrl(const QUrl& url) override;
  bool startDetached(const QString& program) override;
};

// Keeps what would have been started and answers from `installed`.
class RecordingPrograms : public OutsidePrograms {
 public:
  bool openUrl(const QUrl& url) override {
    opened.append(url);
    return true;
  }
  bool startDetached(const QString& program) override {
    tried.append(program);
    return installed.contains(program);
  }

  QList<QUrl> opened;
  QStringList tried;
  QStringList installed;
};

// Starts the first desktop calculator that can be started; false when none can.
bool StartDesktopCalculator(OutsidePrograms& programs);

}  // namespace reventa
