#include "app/desktop_mailer.h"

#include <QProcess>
#include <QStandardPaths>

#include "app/core_text.h"

namespace lumora {

DesktopMailer::DesktopMailer()
    : program_(QStandardPaths::findExecutable(QStringLiteral("xdg-email"))) {}

QStringList DesktopMailer::arguments(std::span<const std::filesystem::path> files) {
  QStringList args;
  for (const std::filesystem::path& file : files) {
    args << QStringLiteral("--attach") << fromCorePath(file.string());
  }
  return args;
}

bool DesktopMailer::send(std::span<const std::filesystem::path> files) {
  if (!available() || files.empty()) return false;
  return QProcess::startDetached(program_, arguments(files));
}

}  // namespace lumora
