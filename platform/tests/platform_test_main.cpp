// SPDX-License-Identifier: MIT
// The main of the platform tests: a QCoreApplication for the settings and
// socket classes. Called as "platform_tests --claim DIR [--hold]" it is the
// other process of the single-instance tests: it claims the instance in DIR,
// prints the outcome, and with --hold keeps the instance until killed. As
// "platform_tests --ask DIR LINE" it sends LINE and a line break to the
// instance in DIR and prints what came back before the instance hung up.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocalSocket>
#include <cstdio>
#include <cstring>

#include "platform/single_instance.h"

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  if (argc >= 3 && std::strcmp(argv[1], "--claim") == 0) {
    platform::SingleInstance instance(QString::fromLocal8Bit(argv[2]));
    const auto start = instance.Claim();
    const char* word = start == platform::SingleInstance::Start::First     ? "First"
                       : start == platform::SingleInstance::Start::Another ? "Another"
                                                                           : "Unguarded";
    std::printf("%s\n", word);
    std::fflush(stdout);
    if (argc >= 4 && std::strcmp(argv[3], "--hold") == 0) return QCoreApplication::exec();
    return 0;
  }
  if (argc >= 4 && std::strcmp(argv[1], "--ask") == 0) {
    platform::SingleInstance instance(QString::fromLocal8Bit(argv[2]));
    QLocalSocket socket;
    socket.connectToServer(instance.ServerName());
    if (!socket.waitForConnected(10000)) return 1;
    socket.write(QByteArray(argv[3]) + '\n');
    QByteArray answer;
    while (socket.waitForReadyRead(10000)) answer += socket.readAll();
    answer += socket.readAll();
    std::printf("[%s]\n", answer.constData());
    std::fflush(stdout);
    return 0;
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
