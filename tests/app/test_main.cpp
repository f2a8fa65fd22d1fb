// Widget tests need one QApplication for the whole run. They must never read
// or write the user's own configuration or event log, so the run starts with
// private folders for both.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir config;
  if (!config.isValid()) return 1;
  qputenv("LUMORA_CONFIG_DIR", QFile::encodeName(config.path()));
  QTemporaryDir log;
  if (!log.isValid()) return 1;
  qputenv("LUMORA_LOG_DIR", QFile::encodeName(log.path()));
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
