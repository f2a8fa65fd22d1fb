#include "files/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>
#include <system_error>
#include <utility>

namespace lumora {

namespace {

thread_local const SimulatedDiskFaults* activeFaults = nullptr;

const SimulatedDiskFaults& Faults() {
  static const SimulatedDiskFaults kNone;
  return activeFaults != nullptr ? *activeFaults : kNone;
}

std::filesystem::path FolderOf(const std::filesystem::path& target) {
  const std::filesystem::path folder = target.parent_path();
  return folder.empty() ? std::filesystem::path(".") : folder;
}

// Makes the rename durable. A failure here comes after the target has been
// replaced, so there is nothing left to undo; it is not reported.
void SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

AtomicFile::AtomicFile(std::filesystem::path target) : target_(std::move(target)) {}

AtomicFile::~AtomicFile() {
  discard();
}

bool AtomicFile::create() {
  if (fd_ >= 0 || target_.empty()) return false;
  if (Faults().failCreate) return false;

  // A link is followed so that the file it names is replaced, not the link.
  std::error_code error;
  if (std::filesystem::is_symlink(target_, error)) {
    std::filesystem::path resolved = std::filesystem::weakly_canonical(target_, error);
    if (error) return false;
    target_ = std::move(resolved);
  }

  struct stat existing {};
  const bool exists = ::stat(target_.c_str(), &existing) == 0;
  if (exists) {
    if (S_ISDIR(existing.st_mode)) return false;
    if (::access(target_.c_str(), W_OK) != 0) return false;
  } else if (errno != ENOENT) {
    return false;
  }

  // Hidden, and unique within the process and across processes.
  static std::atomic<unsigned> counter{0};
  const std::filesystem::path folder = FolderOf(target_);
  const std::string base = "." + target_.filename().string() + ".tmp" + std::to_string(::getpid());
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::filesystem::path candidate = folder / (base + "-" + std::to_string(counter++));
    const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      fd_ = fd;
      temporary_ = std::move(candidate);
      written_ = 0;
      failed_ = false;
      // The replacement keeps the permissions the user gave the old file.
      if (exists) ::fchmod(fd_, existing.st_mode & 07777);
      return true;
    }
    if (errno != EEXIST) return false;
  }
  return false;
}

bool AtomicFile::write(std::span<const std::uint8_t> bytes) {
  if (fd_ < 0 || failed_) return false;

  std::size_t count = bytes.size();
  const std::size_t limit = Faults().byteLimit;
  const bool diskFills = limit != SimulatedDiskFaults::kNoLimit && count > limit - written_;
  if (diskFills) count = limit > written_ ? limit - written_ : 0;

  std::size_t done = 0;
  while (done < count) {
    const ::ssize_t n = ::write(fd_, bytes.data() + done, count - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      failed_ = true;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  written_ += done;
  if (diskFills) failed_ = true;
  return !failed_;
}

bool AtomicFile::commit() {
  if (fd_ < 0 || failed_) {
    discard();
    return false;
  }
  const bool synced = ::fsync(fd_) == 0;
  const bool closed = ::close(fd_) == 0;
  fd_ = -1;
  if (!synced || !closed || Faults().failRename ||
      ::rename(temporary_.c_str(), target_.c_str()) != 0) {
    discard();
    return false;
  }
  temporary_.clear();
  SyncFolder(FolderOf(target_));
  return true;
}

void AtomicFile::discard() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  if (!temporary_.empty()) {
    ::unlink(temporary_.c_str());
    temporary_.clear();
  }
}

AtomicWriteStatus WriteFileAtomically(const std::filesystem::path& target,
                                      std::span<const std::uint8_t> bytes) {
  AtomicFile file(target);
  if (!file.create()) return AtomicWriteStatus::CannotCreate;
  if (!file.write(bytes) || !file.commit()) return AtomicWriteStatus::WriteFailed;
  return AtomicWriteStatus::Ok;
}

ScopedDiskFaults::ScopedDiskFaults(const SimulatedDiskFaults& faults) : faults_(faults) {
  activeFaults = &faults_;
}

ScopedDiskFaults::~ScopedDiskFaults() {
  activeFaults = nullptr;
}

}  // namespace lumora
