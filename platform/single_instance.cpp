// SPDX-License-Identifier: MIT
#include "platform/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace platform {

namespace {

constexpr char kShowRequest[] = "show\n";
// A question any client may ask to learn whether the running program still
// serves its event loop; the answer comes from that loop. Nothing else happens.
constexpr char kPingRequest[] = "ping\n";
constexpr char kPingAnswer[] = "pong\n";
// How long a second start waits for the first to take its request.
constexpr int kRequestTimeoutMs = 1000;

}  // namespace

QString SingleInstance::UserDirectory() {
  return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

SingleInstance::SingleInstance(QString directory, QObject* parent)
    : QObject(parent), directory_(std::move(directory)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::ServerName() const {
#ifdef Q_OS_WIN
  // Pipe names are global on Windows: the per-user directory makes it the user's.
  const QByteArray hash =
      QCryptographicHash::hash(directory_.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
  return QStringLiteral("RaZaduvovi-") + QString::fromLatin1(hash);
#else
  // A path in the user's own runtime directory, which no one else can enter.
  return QDir(directory_).filePath(QStringLiteral("razaduvovi.socket"));
#endif
}

SingleInstance::Start SingleInstance::Claim() {
  if (directory_.isEmpty() || !QDir().mkpath(directory_)) return Start::Unguarded;
  lock_ = std::make_unique<QLockFile>(QDir(directory_).filePath(QStringLiteral("razaduvovi.lock")));
  // Only a dead holder makes a lock stale, never its age: the first
  // instance may run for weeks.
  lock_->setStaleLockTime(0);
  if (lock_->tryLock(0)) {
    Listen();
    return Start::First;
  }
  if (lock_->error() == QLockFile::LockFailedError) {
    AskToShow();
    return Start::Another;
  }
  lock_.reset();
  return Start::Unguarded;
}

void SingleInstance::Listen() {
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  // The lock is ours, so a socket left behind belongs to a dead instance.
  QLocalServer::removeServer(ServerName());
  if (!server_->listen(ServerName())) return;
  connect(server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        if (!socket->canReadLine()) return;
        const QByteArray request = socket->readLine(64);
        if (request == kShowRequest) emit ShowRequested();
        if (request == kPingRequest) socket->write(kPingAnswer);
        // Hanging up waits until the answer is written.
        socket->disconnectFromServer();
      });
    }
  });
}

void SingleInstance::AskToShow() const {
  QLocalSocket socket;
  socket.connectToServer(ServerName());
  if (!socket.waitForConnected(kRequestTimeoutMs)) return;
  socket.write(kShowRequest);
  socket.waitForBytesWritten(kRequestTimeoutMs);
  // Waiting for the first to hang up makes sure the request was read.
  if (socket.state() != QLocalSocket::UnconnectedState) {
    socket.waitForDisconnected(kRequestTimeoutMs);
  }
}

}  // namespace platform
