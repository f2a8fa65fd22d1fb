#pragma once
// Handing files to the desktop's mail program as the attachments of a new
// message. The program composes nothing itself: the mail program's own
// window opens with the files attached, and what happens there is its own
// business (it reports its own failures).

#include <filesystem>
#include <span>

namespace lumora {

class Mailer {
 public:
  virtual ~Mailer() = default;

  // Offers `files` (full paths) as attachments of a new message; false when
  // the mail program could not be started.
  virtual bool send(std::span<const std::filesystem::path> files) = 0;
};

}  // namespace lumora
