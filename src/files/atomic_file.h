#pragma once
// Writing a user's file without ever leaving it half-written: the bytes go to
// a temporary file in the target's folder, are flushed to the disk and only
// then renamed over the target. Until that rename the old file stays as it
// was; a failure at any step removes the temporary file.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <span>

namespace lumora {

enum class AtomicWriteStatus {
  Ok,
  // The folder takes no new file, or the existing target may not be written.
  CannotCreate,
  // Writing, flushing or replacing the target failed (a full disk, say).
  WriteFailed,
};

class AtomicFile {
 public:
  // Nothing happens on disk until create().
  explicit AtomicFile(std::filesystem::path target);
  // Removes the temporary file unless commit() succeeded.
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // Creates the temporary file beside the target. False when the folder is
  // missing or read-only, or the target exists and is read-only or a folder.
  // A rename would replace a read-only file in a writable folder, but the
  // user made it read-only to keep it, so it is refused here.
  bool create();

  // Appends the bytes; false, and nothing more is written, after any failure.
  bool write(std::span<const std::uint8_t> bytes);

  // Flushes the temporary file to the disk and renames it over the target.
  // False on any failure; the target is then as it was before.
  bool commit();

  // Removes the temporary file, if there is one and it was not committed.
  void discard();

  const std::filesystem::path& target() const { return target_; }
  // Empty before create() and after commit() or discard().
  const std::filesystem::path& temporaryPath() const { return temporary_; }

 private:
  std::filesystem::path target_;
  std::filesystem::path temporary_;
  int fd_ = -1;
  std::size_t written_ = 0;
  bool failed_ = false;
};

// The whole sequence for bytes already in memory.
AtomicWriteStatus WriteFileAtomically(const std::filesystem::path& target,
                                      std::span<const std::uint8_t> bytes);

// A stand-in for disk faults, so that tests of every writer of user files can
// make a save fail at a chosen step. Active for the calling thread while an
// instance lives; instances do not nest.
struct SimulatedDiskFaults {
  static constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();

  bool failCreate = false;           // as if the folder were read-only
  std::size_t byteLimit = kNoLimit;  // the disk is full after this many bytes of one file
  bool failRename = false;           // the final rename over the target fails
};

class ScopedDiskFaults {
 public:
  explicit ScopedDiskFaults(const SimulatedDiskFaults& faults);
  ~ScopedDiskFaults();
  ScopedDiskFaults(const ScopedDiskFaults&) = delete;
  ScopedDiskFaults& operator=(const ScopedDiskFaults&) = delete;

 private:
  SimulatedDiskFaults faults_;
};

}  // namespace lumora
