// Opening addresses in the browser and finding the desktop folder.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QThread>

#include "platform/shell/shell.h"

namespace pindora {
namespace {

// A stand-in for xdg-open at the front of PATH that writes down what it was given.
class FakeOpener : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    log = dir.filePath("opened.txt");
    QFile script(dir.filePath("xdg-open"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" >> '%1'\n").arg(log).toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    savedPath = qgetenv("PATH");
    qputenv("PATH", dir.path().toUtf8() + ":" + savedPath);
  }
  void TearDown() override { qputenv("PATH", savedPath); }

  QString opened() {
    for (int wait = 0; wait < 100 && !QFile::exists(log); ++wait) QThread::msleep(20);
    QThread::msleep(50);
    QFile file(log);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
  }

  QTemporaryDir dir;
  QString log;
  QByteArray savedPath;
};

TEST_F(FakeOpener, OnlyHttpAndHttpsAddressesAreHandedOver) {
  for (const char* refused : {"file:///etc/passwd", "javascript:alert(1)", "ftp://127.0.0.1/x", "", "not an address",
                              "http://"}) {
    EXPECT_FALSE(openInBrowser(refused)) << refused;
  }
  ASSERT_TRUE(openInBrowser("HTTP://127.0.0.1:8380/forum.php?mod=forumdisplay&fid=63"));
  EXPECT_EQ(opened(), QStringLiteral("http://127.0.0.1:8380/forum.php?mod=forumdisplay&fid=63\n"));
}

TEST(Desktop, TheDesktopFolderFollowsTheUsersDirectories) {
  QTemporaryDir home;
  ASSERT_TRUE(home.isValid());
  QByteArray savedHome = qgetenv("HOME"), savedConfig = qgetenv("XDG_CONFIG_HOME");
  qputenv("HOME", home.path().toUtf8());
  qputenv("XDG_CONFIG_HOME", home.filePath("config").toUtf8());
  QDir(home.path()).mkpath("config");
  EXPECT_EQ(desktopDirectory(), home.filePath("Desktop").toStdString());

  QFile dirs(home.filePath("config/user-dirs.dirs"));
  ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
  dirs.write("XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n");
  dirs.close();
  EXPECT_EQ(desktopDirectory(), home.filePath("Schreibtisch").toStdString());
  qputenv("HOME", savedHome);
  qputenv("XDG_CONFIG_HOME", savedConfig);
}

}  // namespace
}  // namespace pindora

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
