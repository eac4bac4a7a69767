// SPDX-License-Identifier: MIT
#include "platform/single_instance.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace platform {
namespace {

using Start = SingleInstance::Start;

// The other process: this test program claiming the instance in a directory.
QProcess* StartClaim(const QString& directory, bool hold) {
  auto* process = new QProcess;
  QStringList arguments{QStringLiteral("--claim"), directory};
  if (hold) arguments << QStringLiteral("--hold");
  process->start(QCoreApplication::applicationFilePath(), arguments);
  return process;
}

TEST(SingleInstance, TheFirstStartRunsAndASecondAsksItToShow) {
  QTemporaryDir directory;
  ASSERT_TRUE(directory.isValid());
  SingleInstance first(directory.path());
  ASSERT_EQ(first.Claim(), Start::First);
  QSignalSpy shown(&first, &SingleInstance::ShowRequested);

  std::unique_ptr<QProcess> second(StartClaim(directory.path(), false));
  // The second start waits for the first to read its request, so the first
  // must keep serving its socket meanwhile.
  ASSERT_TRUE(shown.wait(10000));
  ASSERT_TRUE(second->waitForFinished(10000));
  EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second->exitCode(), 0);
  EXPECT_EQ(second->readAllStandardOutput().trimmed(), "Another");
  EXPECT_EQ(shown.count(), 1);
}

// The other process asking the instance in a directory one line.
QProcess* StartAsk(const QString& directory, const char* line) {
  auto* process = new QProcess;
  process->start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--ask"), directory, QString::fromLatin1(line)});
  return process;
}

// A watcher learns that the program still serves its events: the running
// instance answers "ping" from its event loop, and shows no window for it.
TEST(SingleInstance, APingIsAnsweredAndShowsNothing) {
  QTemporaryDir directory;
  ASSERT_TRUE(directory.isValid());
  SingleInstance first(directory.path());
  ASSERT_EQ(first.Claim(), Start::First);
  QSignalSpy shown(&first, &SingleInstance::ShowRequested);

  std::unique_ptr<QProcess> asker(StartAsk(directory.path(), "ping"));
  QSignalSpy finished(asker.get(), &QProcess::finished);
  ASSERT_TRUE(finished.wait(10000));
  EXPECT_EQ(asker->exitCode(), 0);
  EXPECT_EQ(asker->readAllStandardOutput().trimmed(), "[pong\n]");
  EXPECT_EQ(shown.count(), 0);
}

// Other lines get no answer and change nothing; the instance only hangs up.
TEST(SingleInstance, AnUnknownRequestIsOnlyHungUp) {
  QTemporaryDir directory;
  ASSERT_TRUE(directory.isValid());
  SingleInstance first(directory.path());
  ASSERT_EQ(first.Claim(), Start::First);
  QSignalSpy shown(&first, &SingleInstance::ShowRequested);

  std::unique_ptr<QProcess> asker(StartAsk(directory.path(), "pingpong"));
  QSignalSpy finished(asker.get(), &QProcess::finished);
  ASSERT_TRUE(finished.wait(10000));
  EXPECT_EQ(asker->exitCode(), 0);
  EXPECT_EQ(asker->readAllStandardOutput().trimmed(), "[]");
  EXPECT_EQ(shown.count(), 0);
}

// A lock left by a killed instance must not keep the program from starting.
TEST(SingleInstance, TheLockOfAKilledProcessIsTakenOver) {
  QTemporaryDir directory;
  ASSERT_TRUE(directory.isValid());
  std::unique_ptr<QProcess> holder(StartClaim(directory.path(), true));
  ASSERT_TRUE(holder->waitForReadyRead(10000));
  ASSERT_EQ(holder->readLine().trimmed(), "First");
  holder->kill();
  ASSERT_TRUE(holder->waitForFinished(10000));
  ASSERT_TRUE(QFile::exists(directory.filePath("razaduvovi.lock")));

  SingleInstance next(directory.path());
  EXPECT_EQ(next.Claim(), Start::First);
}

// Without a place for the lock the program still starts.
TEST(SingleInstance, NoLockRunsUnguarded) {
  QTemporaryDir directory;
  ASSERT_TRUE(directory.isValid());
  QFile blocker(directory.filePath("file"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  SingleInstance instance(directory.filePath("file/below"));
  EXPECT_EQ(instance.Claim(), Start::Unguarded);
  SingleInstance nowhere{QString()};
  EXPECT_EQ(nowhere.Claim(), Start::Unguarded);
}

// A socket file left by a crashed instance does not stop the next from listening.
TEST(SingleInstance, AStaleSocketIsReplaced) {
  QTemporaryDir directory;
  ASSERT_TRUE(directory.isValid());
  {
    SingleInstance crashed(directory.path());
    QFile stale(crashed.ServerName());
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
  }
  SingleInstance first(directory.path());
  ASSERT_EQ(first.Claim(), Start::First);
  QSignalSpy shown(&first, &SingleInstance::ShowRequested);
  std::unique_ptr<QProcess> second(StartClaim(directory.path(), false));
  ASSERT_TRUE(shown.wait(10000));
  ASSERT_TRUE(second->waitForFinished(10000));
}

}  // namespace
}  // namespace platform
