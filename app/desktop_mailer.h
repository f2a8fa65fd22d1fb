#pragma once
// The desktop's mail program: xdg-email opens the user's mail client with a
// new message that has the files attached. It is started with an argument
// list, never through a shell, so no file name is ever read as a command.

#include <QString>
#include <QStringList>
#include <filesystem>
#include <span>

#include "platform/mailer.h"

namespace lumora {

class DesktopMailer final : public Mailer {
 public:
  // The program found on PATH; empty when there is none.
  DesktopMailer();
  // A given program (tests).
  explicit DesktopMailer(QString program) : program_(std::move(program)) {}

  bool available() const { return !program_.isEmpty(); }
  const QString& program() const { return program_; }

  // "--attach FILE" for each file, in order.
  static QStringList arguments(std::span<const std::filesystem::path> files);

  // Starts the program detached; false when it cannot be started.
  bool send(std::span<const std::filesystem::path> files) override;

 private:
  QString program_;
};

}  // namespace lumora
