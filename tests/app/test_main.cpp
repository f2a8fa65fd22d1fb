// Widget tests need one QApplication for the whole run. They must never read
// or write the user's own configuration, so every test starts with a private
// configuration folder.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir config;
  if (!config.isValid()) return 1;
  qputenv("LUMORA_CONFIG_DIR", QFile::encodeName(config.path()));
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
