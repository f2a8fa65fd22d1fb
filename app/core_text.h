#pragma once
// The one place where core strings become QStrings and back. Core texts are
// Latin-1 as stored in the schedule files; paths are the file system's own
// 8-bit names, which are not Latin-1 on a UTF-8 system.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <string>
#include <string_view>

namespace lumora {

inline QString fromCoreText(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Characters outside Latin-1 become "?".
inline std::string toCoreText(const QString& text) {
  return text.toLatin1().toStdString();
}

inline QString fromCorePath(std::string_view path) {
  return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

inline std::string toCorePath(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

}  // namespace lumora
