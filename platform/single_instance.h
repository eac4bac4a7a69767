// SPDX-License-Identifier: MIT
// SingleInstance: one running program per user. The first start holds a
// lock file in the user's runtime directory and listens on a local socket
// that only this user may reach; a second start finds the lock held by a
// live process, asks the first over the socket to show its window, and
// ends. Every request is one line; the instance hangs up after it. "show\n"
// asks for the window, "ping\n" is answered "pong\n" and changes nothing,
// so that a watcher can tell a running program from a stuck one. A lock
// left by a process that died is taken over. When no lock can be made at
// all, the program runs unguarded rather than not at all.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;
class QLockFile;

namespace platform {

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  enum class Start {
    First,      // this process runs and listens for later starts
    Another,    // another instance runs and was asked to show itself
    Unguarded,  // no lock could be made: run without the rule
  };

  // UserDirectory: the user's runtime directory, where lock and socket live.
  static QString UserDirectory();  // "/run/user/1000"

  // SingleInstance: the rule kept in the given directory (tests pass a
  // directory of their own).
  explicit SingleInstance(QString directory, QObject* parent = nullptr);
  ~SingleInstance() override;

  // Claim: takes the lock, or asks the holder to show itself; call once,
  // before any window exists.
  Start Claim();  // first start -> First, second -> Another

  // ServerName: the socket the first instance listens on.
  QString ServerName() const;

 signals:
  // ShowRequested: a later start asked this instance to show its window.
  void ShowRequested();

 private:
  void Listen();
  void AskToShow() const;

  QString directory_;
  std::unique_ptr<QLockFile> lock_;
  QLocalServer* server_ = nullptr;
};

}  // namespace platform
