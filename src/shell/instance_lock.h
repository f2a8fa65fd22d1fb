#pragma once
// One running copy of the program per user: the first copy holds a lock on a
// file in the runtime folder until it exits.

#include <filesystem>
#include <string>

namespace lumora {

enum class LockResult {
  Acquired,       // this copy is the only one
  HeldElsewhere,  // another copy holds the lock
  Unavailable,    // the lock file cannot be opened; nothing can be told
};

class InstanceLock {
 public:
  virtual ~InstanceLock() = default;
  virtual LockResult acquire() = 0;
  virtual void release() = 0;
};

// The lock on a file: taken without waiting, released by release(), by the
// destructor and by the system when the process ends in any way.
class FileInstanceLock final : public InstanceLock {
 public:
  explicit FileInstanceLock(std::filesystem::path path);
  ~FileInstanceLock() override;
  FileInstanceLock(const FileInstanceLock&) = delete;
  FileInstanceLock& operator=(const FileInstanceLock&) = delete;

  LockResult acquire() override;
  void release() override;
  bool held() const { return fd_ >= 0; }

 private:
  std::filesystem::path path_;
  int fd_ = -1;
};

// The copy that holds the lock, as a second copy reaches it: the second copy
// hands over the file of its command line and ends instead of refusing.
class RunningCopy {
 public:
  virtual ~RunningCopy() = default;
  // True once the running copy has taken the request: open `file` (an
  // absolute path), or only come to the front when it is empty. False when
  // nobody answered.
  virtual bool handOver(const std::string& file) = 0;
};

// "lumora.lock" in $XDG_RUNTIME_DIR, or a per-user name in /tmp when that is
// not set to an absolute folder.
std::filesystem::path DefaultInstanceLockPath();
// Where the running copy listens for the next ones: beside the lock, per user.
std::filesystem::path DefaultInstanceSocketPath();

}  // namespace lumora
