// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/single_instance.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace reventa {

namespace {

const QByteArray kRaise = QByteArrayLiteral("raise\n");
const QByteArray kRaised = QByteArrayLiteral("raised\n");

// How long a second start looks for the running copy: the copy may have taken the
// lock a moment ago and not be listening yet, or be busy with a calculation.
constexpr int kHandOverMs = 5000;
// A connection that says nothing is dropped after this long.
constexpr int kIdleConnectionMs = 10000;

}  // namespace

SingleInstance::SingleInstance(const QString& dataFolder, QObject* parent)
    : QObject(parent), dataFolder_(dataFolder) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::ServerName(const QString& dataFolder) {
  const QFileInfo folder(dataFolder);
  const QString path =
      folder.exists() ? folder.canonicalFilePath() : QDir::cleanPath(folder.absoluteFilePath());
  // Well inside the length of a local socket's path, in whatever temporary folder.
  return QStringLiteral("reventa-") +
         QString::fromLatin1(
             QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex().left(16));
}

SingleInstance::Start SingleInstance::claim() {
  QDir().mkpath(dataFolder_);
  serverName_ = ServerName(dataFolder_);
  lock_ = std::make_unique<QLockFile>(QDir(dataFolder_).filePath(QStringLiteral("reventa.lock")));
  // Held as long as the program runs: never stale by age, only when the copy that
  // wrote it is gone.
  lock_->setStaleLockTime(0);
  if (lock_->tryLock()) {
    listen();
    return Start::First;
  }
  if (lock_->error() != QLockFile::LockFailedError) {
    lock_.reset();
    return Start::First;
  }
  if (handOver()) return Start::HandedOver;
  // The holder may have ended while it was being asked.
  if (lock_->tryLock()) {
    listen();
    return Start::First;
  }
  return Start::NoAnswer;
}

void SingleInstance::setWindow(QWidget* window) { window_ = window; }

void SingleInstance::listen() {
  server_ = new QLocalServer(this);
  // Only this user may ask the window to come forward.
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  // The lock is ours, so a socket of that name was left by a copy that crashed.
  QLocalServer::removeServer(serverName_);
  if (!server_->listen(serverName_)) {
    std::fprintf(stderr, "reventa: a later start cannot find this one (%s).\n",
                 qPrintable(server_->errorString()));
    return;
  }
  connect(server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      connect(socket, &QLocalSocket::readyRead, this, [this, socket] { answer(socket); });
      QTimer::singleShot(kIdleConnectionMs, socket, &QLocalSocket::abort);
    }
  });
}

void SingleInstance::answer(QLocalSocket* socket) {
  if (!socket->canReadLine()) {
    if (socket->bytesAvailable() > kRaise.size()) socket->abort();
    return;
  }
  if (socket->readLine(kRaise.size() + 1) == kRaise) {
    BringToFront(window_);
    socket->write(kRaised);
    socket->flush();
  }
  socket->disconnectFromServer();
}

bool SingleInstance::handOver() const {
  const QDeadlineTimer deadline(kHandOverMs);
  QLocalSocket socket;
  for (;;) {
    socket.connectToServer(serverName_);
    if (socket.waitForConnected(int(deadline.remainingTime()))) break;
    if (deadline.hasExpired()) return false;
    QThread::msleep(100);
  }
  socket.write(kRaise);
  if (!socket.waitForBytesWritten(int(deadline.remainingTime()))) return false;
  while (!socket.canReadLine()) {
    if (!socket.waitForReadyRead(int(deadline.remainingTime()))) return false;
  }
  return socket.readLine() == kRaised;
}

int SingleInstance::EndSecondStart(Start start) {
  if (start == Start::HandedOver) {
    std::fprintf(stderr, "reventa: already running; its window was brought to the front.\n");
    return 0;
  }
  std::fprintf(stderr,
               "reventa: already running, but it did not answer; this start ends so as not to "
               "open the same stores twice.\n");
  return 1;
}

void SingleInstance::BringToFront(QWidget* window) {
  if (window == nullptr || window->isHidden()) return;
  window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  window->raise();
  window->activateWindow();
  if (QWidget* modal = QApplication::activeModalWidget()) {
    modal->raise();
    modal->activateWindow();
  }
}

}  // namespace reventa
