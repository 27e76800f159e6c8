// SPDX-License-Identifier: GPL-3.0-or-later
// The program runs once per user: one copy per data folder. Two copies on the
// same stores would each save what they read at opening over what the other
// saved meanwhile, so a second start hands over to the running copy, which
// brings its main window to the front, and ends.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

class QLocalServer;
class QLocalSocket;
class QLockFile;
class QWidget;

namespace reventa {

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  enum class Start {
    First,       // the only copy: it holds the data folder and listens for later starts
    HandedOver,  // a running copy holds it and has brought its window to the front
    NoAnswer,    // a running copy holds it but did not answer
  };

  explicit SingleInstance(const QString& dataFolder, QObject* parent = nullptr);
  ~SingleInstance() override;

  // Takes the data folder's lock, or hands over to the copy that holds it. A lock
  // left behind by a copy that crashed is taken over. Where no lock can be written
  // at all (a folder that cannot be created), the start goes on as the only copy
  // and the stores' own checks say what is wrong.
  Start claim();

  // The window a later start brings to the front.
  void setWindow(QWidget* window);

  // Says on standard error what became of a start that was not the first, and
  // gives its exit status: 0 when the running copy came to the front.
  static int EndSecondStart(Start start);

  // Un-minimises, raises and activates the window, and a modal dialog over it.
  static void BringToFront(QWidget* window);

  // The local socket's name: short, and the same for every spelling of the folder.
  static QString ServerName(const QString& dataFolder);

 private:
  void listen();
  void answer(QLocalSocket* socket);
  bool handOver() const;

  QString dataFolder_;
  QString serverName_;
  std::unique_ptr<QLockFile> lock_;
  QLocalServer* server_ = nullptr;
  QPointer<QWidget> window_;
};

}  // namespace reventa
