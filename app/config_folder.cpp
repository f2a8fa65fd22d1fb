#include "app/config_folder.h"

#include <QDir>

namespace lumora {

QString configFolder() {
  const QString own = qEnvironmentVariable("LUMORA_CONFIG_DIR");
  if (!own.isEmpty()) return QDir::cleanPath(own);
  const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg)) {
    return QDir::cleanPath(xdg + QStringLiteral("/lumora"));
  }
  return QDir::cleanPath(QDir::homePath() + QStringLiteral("/.config/lumora"));
}

}  // namespace lumora
