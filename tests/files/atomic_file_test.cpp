#include "files/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "temp_folder.h"

namespace lumora {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;
using Bytes = std::vector<std::uint8_t>;

const Bytes kOld{'o', 'l', 'd'};
const Bytes kNew{'n', 'e', 'w', ' ', 'c', 'o', 'n', 't', 'e', 'n', 't', 's'};

TEST(AtomicFileTest, WritesANewFileAndReplacesAnOldOneKeepingItsPermissions) {
  TempFolder folder;
  const auto target = folder / "a.lm2";
  EXPECT_EQ(WriteFileAtomically(target, kOld), AtomicWriteStatus::Ok);
  EXPECT_EQ(ReadBytes(target), kOld);

  std::filesystem::permissions(target, std::filesystem::perms(0640));
  EXPECT_EQ(WriteFileAtomically(target, kNew), AtomicWriteStatus::Ok);
  EXPECT_EQ(ReadBytes(target), kNew);
  EXPECT_EQ(std::filesystem::status(target).permissions(), std::filesystem::perms(0640));
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"a.lm2"});
}

TEST(AtomicFileTest, TheTemporaryFileLivesBesideTheTargetUntilCommittedAndCountsItsBytes) {
  TempFolder folder;
  const auto target = folder / "a.lm2";
  WriteBytes(target, kOld);
  {
    AtomicFile file(target);
    ASSERT_TRUE(file.create());
    EXPECT_EQ(file.temporaryPath().parent_path(), folder.path());
    EXPECT_TRUE(file.write(kNew));
    EXPECT_EQ(folder.entries().size(), 2u);
    EXPECT_EQ(ReadBytes(target), kOld);
    // Dropped without commit: the old file stays, the temporary goes.
  }
  EXPECT_EQ(ReadBytes(target), kOld);
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"a.lm2"});

  // A byte limit counts across writes and stops all later ones.
  ScopedDiskFaults scoped({.byteLimit = 5});
  AtomicFile file(target);
  ASSERT_TRUE(file.create());
  EXPECT_TRUE(file.write(Bytes{1, 2, 3}));
  EXPECT_FALSE(file.write(Bytes{4, 5, 6}));
  EXPECT_EQ(ReadBytes(file.temporaryPath()), (Bytes{1, 2, 3, 4, 5}));
  EXPECT_FALSE(file.write(Bytes{7}));
  EXPECT_FALSE(file.commit());
  EXPECT_EQ(ReadBytes(target), kOld);
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"a.lm2"});
}

TEST(AtomicFileTest, RefusesWhatCannotBeCreated) {
  TempFolder folder;
  EXPECT_EQ(WriteFileAtomically(folder / "missing" / "a.lm2", kNew),
            AtomicWriteStatus::CannotCreate);
  std::filesystem::create_directory(folder / "dir");
  EXPECT_EQ(WriteFileAtomically(folder / "dir", kNew), AtomicWriteStatus::CannotCreate);
  WriteBytes(folder / "plain", kOld);
  EXPECT_EQ(WriteFileAtomically(folder / "plain" / "a.lm2", kNew), AtomicWriteStatus::CannotCreate);
  {
    ScopedDiskFaults scoped({.failCreate = true});
    EXPECT_EQ(WriteFileAtomically(folder / "a.lm2", kNew), AtomicWriteStatus::CannotCreate);
  }
  EXPECT_EQ(ReadBytes(folder / "plain"), kOld);
  EXPECT_EQ(folder.entries(), (std::vector<std::string>{"dir", "plain"}));
}

TEST(AtomicFileTest, ALinkKeepsPointingAtTheReplacedFile) {
  TempFolder folder;
  std::filesystem::create_directory(folder / "real");
  WriteBytes(folder / "real" / "a.lm2", kOld);
  std::filesystem::create_symlink(folder / "real" / "a.lm2", folder / "link.lm2");
  EXPECT_EQ(WriteFileAtomically(folder / "link.lm2", kNew), AtomicWriteStatus::Ok);
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.lm2"));
  EXPECT_EQ(ReadBytes(folder / "real" / "a.lm2"), kNew);
  EXPECT_EQ(folder.entries(), (std::vector<std::string>{"link.lm2", "real"}));
}

}  // namespace
}  // namespace lumora
