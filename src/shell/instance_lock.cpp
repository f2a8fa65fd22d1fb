#include "shell/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

namespace lumora {

FileInstanceLock::FileInstanceLock(std::filesystem::path path) : path_(std::move(path)) {}

FileInstanceLock::~FileInstanceLock() {
  release();
}

LockResult FileInstanceLock::acquire() {
  if (fd_ >= 0) return LockResult::Acquired;
  // Never follow a link someone else may have planted in a shared folder.
  const int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return LockResult::Unavailable;
  int rc = 0;
  do {
    rc = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (rc != 0 && errno == EINTR);
  if (rc != 0) {
    const bool busy = errno == EWOULDBLOCK;
    ::close(fd);
    return busy ? LockResult::HeldElsewhere : LockResult::Unavailable;
  }
  fd_ = fd;
  return LockResult::Acquired;
}

void FileInstanceLock::release() {
  if (fd_ < 0) return;
  // The file stays: removing it could let a third copy lock a new file while
  // a second one still holds the old one.
  ::flock(fd_, LOCK_UN);
  ::close(fd_);
  fd_ = -1;
}

namespace {

std::filesystem::path RuntimeFile(const char* extension) {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime != nullptr && runtime[0] == '/')
    return std::filesystem::path(runtime) / (std::string("lumora") + extension);
  return std::filesystem::path("/tmp") / ("lumora-" + std::to_string(::getuid()) + extension);
}

}  // namespace

std::filesystem::path DefaultInstanceLockPath() {
  return RuntimeFile(".lock");
}

std::filesystem::path DefaultInstanceSocketPath() {
  return RuntimeFile(".socket");
}

}  // namespace lumora
