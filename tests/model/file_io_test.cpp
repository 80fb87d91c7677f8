#include "model/file_io.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <set>
#include <thread>

#include "support/temp_dir.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

const char kNotRegular[] = "not a regular file";
const char kTooLarge[] = "file too large (over 64 MiB)";
const char kReadOnly[] = "the file is read-only";

std::set<std::string> Names(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    names.insert(entry.path().filename().string());
  return names;
}

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
  return info.st_mode & 07777;
}

// A sparse file of `size` bytes: no test writes 64 MiB to get past the cap.
void MakeSparse(const std::string& path, off_t size) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::ftruncate(fd, size), 0);
  ::close(fd);
}

class ScopedUmask {
 public:
  explicit ScopedUmask(mode_t mask) : old_(::umask(mask)) {}
  ~ScopedUmask() { ::umask(old_); }

 private:
  mode_t old_;
};

const TempFileKind kKinds[] = {TempFileKind::Unnamed, TempFileKind::Named};

const char* KindName(TempFileKind kind) {
  return kind == TempFileKind::Unnamed ? "unnamed temporary" : "named temporary";
}

// ------------------------------------------------------------------------------------------ reading

TEST(ReadWholeFileTest, ReadsRegularFilesByteForByte) {
  TempDir dir;
  const std::string bytes("KRV\r\n\0\xfc\xff end", 12);
  std::string contents = "previous";
  std::string error;
  ASSERT_TRUE(ReadWholeFile(dir.Write("plant.lmx", bytes), contents, &error)) << error;
  EXPECT_EQ(contents, bytes);
  ASSERT_TRUE(ReadWholeFile(dir.Write("empty.lmx", ""), contents, &error)) << error;
  EXPECT_EQ(contents, "");

  // A link to a regular file is that file.
  fs::create_symlink("plant.lmx", dir.File("link.lmx"));
  ASSERT_TRUE(ReadWholeFile(dir.File("link.lmx"), contents, &error)) << error;
  EXPECT_EQ(contents, bytes);

  contents = "kept";
  EXPECT_FALSE(ReadWholeFile(dir.File("missing.lmx"), contents, &error));
  EXPECT_EQ(error, std::strerror(ENOENT));
  EXPECT_EQ(contents, "kept");
}

TEST(ReadWholeFileTest, RefusesDevices) {
  TempDir dir;
  fs::create_symlink("/dev/zero", dir.File("zero.lmx"));
  const std::string paths[] = {"/dev/zero", "/dev/urandom", "/dev/null", dir.File("zero.lmx")};
  for (const std::string& path : paths) {
    std::string contents = "kept";
    std::string error;
    EXPECT_FALSE(ReadWholeFile(path, contents, &error)) << path;
    EXPECT_EQ(error, kNotRegular) << path;
    EXPECT_EQ(contents, "kept") << path;
  }
}

TEST(ReadWholeFileTest, RefusesAFifoWithoutWaitingForAWriter) {
  TempDir dir;
  std::string fifo = dir.File("map.lmx");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0) << std::strerror(errno);
  // A writer that waits for any reader: a reader that opened the FIFO would get its bytes and succeed.
  std::thread writer([&fifo] {
    int fd = ::open(fifo.c_str(), O_WRONLY);
    if (fd < 0) return;
    (void)!::write(fd, "x", 1);
    ::close(fd);
  });
  std::string contents = "kept";
  std::string error;
  bool read = ReadWholeFile(fifo, contents, &error);
  // Release the writer whatever happened.
  int release = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  writer.join();
  if (release >= 0) ::close(release);
  EXPECT_FALSE(read);
  EXPECT_EQ(error, kNotRegular);
  EXPECT_EQ(contents, "kept");

  InputFile file;
  EXPECT_FALSE(file.Open(fifo, &error));
  EXPECT_EQ(error, kNotRegular);
  EXPECT_FALSE(file.IsOpen());
}

TEST(ReadWholeFileTest, RefusesAFolder) {
  TempDir dir;
  std::string contents = "kept";
  std::string error;
  EXPECT_FALSE(ReadWholeFile(dir.Path(), contents, &error));
  EXPECT_EQ(error, kNotRegular);
  EXPECT_EQ(contents, "kept");
}

TEST(ReadWholeFileTest, ReadsUpToTheCapAndRefusesMore) {
  TempDir dir;
  std::string error;
  std::string contents;
  MakeSparse(dir.File("at-cap.bin"), static_cast<off_t>(kMaxInputFileSize));
  ASSERT_TRUE(ReadWholeFile(dir.File("at-cap.bin"), contents, &error)) << error;
  EXPECT_EQ(contents.size(), kMaxInputFileSize);
  contents = "kept";
  MakeSparse(dir.File("over-cap.bin"), static_cast<off_t>(kMaxInputFileSize) + 1);
  EXPECT_FALSE(ReadWholeFile(dir.File("over-cap.bin"), contents, &error));
  EXPECT_EQ(error, kTooLarge);
  EXPECT_TRUE(contents == "kept") << contents.size() << " bytes read";

  // Firmware and driver files are opened first and read later: a file grown past the cap meanwhile is
  // refused.
  InputFile file;
  ASSERT_TRUE(file.Open(dir.Write("driver.hex", ":00000001FF\n"), &error)) << error;
  MakeSparse(dir.File("driver.hex"), static_cast<off_t>(kMaxInputFileSize) + 1);
  EXPECT_FALSE(file.ReadAll(contents, &error));
  EXPECT_EQ(error, kTooLarge);
}

// ------------------------------------------------------------------------------------------ writing

TEST(WriteFileAtomicallyTest, CreatesAndReplacesKeepingPermissionsAndLeavingNothingElse) {
  ScopedUmask umask(022);
  for (TempFileKind kind : kKinds) {
    SCOPED_TRACE(KindName(kind));
    TempDir dir;
    std::string path = dir.File("plant.lmx");
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(path, "first\r\n", &error, kind)) << error;
    EXPECT_EQ(TempDir::Read(path), "first\r\n");
    EXPECT_EQ(ModeOf(path), 0644u);
    EXPECT_EQ(Names(dir.Path()), std::set<std::string>{"plant.lmx"});

    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(WriteFileAtomically(path, std::string("second\0\xff", 8), &error, kind)) << error;
    EXPECT_EQ(TempDir::Read(path), std::string("second\0\xff", 8));
    EXPECT_EQ(ModeOf(path), 0640u);
    EXPECT_EQ(Names(dir.Path()), std::set<std::string>{"plant.lmx"});

    // A file name without a folder is in the current folder.
    std::string here = fs::current_path().string();
    ASSERT_EQ(::chdir(dir.Path().c_str()), 0);
    bool saved = WriteFileAtomically("plant.lmx", "third", &error, kind);
    ASSERT_EQ(::chdir(here.c_str()), 0);
    ASSERT_TRUE(saved) << error;
    EXPECT_EQ(TempDir::Read(path), "third");
  }
}

TEST(WriteFileAtomicallyTest, KeepsTheOwnerOfTheReplacedFile) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root can give a file to another owner";
  TempDir dir;
  std::string path = dir.Write("plant.lmx", "old");
  ASSERT_EQ(::chown(path.c_str(), 4321, 4322), 0);
  ASSERT_EQ(::chmod(path.c_str(), 0664), 0);
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(path, "new", &error)) << error;
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_uid, 4321u);
  EXPECT_EQ(info.st_gid, 4322u);
  EXPECT_EQ(info.st_mode & 07777, 0664u);
}

TEST(WriteFileAtomicallyTest, WritesThroughSymbolicLinksAndKeepsThem) {
  for (TempFileKind kind : kKinds) {
    SCOPED_TRACE(KindName(kind));
    TempDir dir;
    fs::create_directory(dir.File("store"));
    std::string real = dir.Write("store/plant.lmx", "old");
    ASSERT_EQ(::chmod(real.c_str(), 0600), 0);
    // A chain: absolute link -> relative link -> the file in another folder.
    fs::create_symlink("store/plant.lmx", dir.File("relative.lmx"));
    fs::create_symlink(dir.File("relative.lmx"), dir.File("absolute.lmx"));
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(dir.File("absolute.lmx"), "new", &error, kind)) << error;
    EXPECT_TRUE(fs::is_symlink(dir.File("absolute.lmx")));
    EXPECT_TRUE(fs::is_symlink(dir.File("relative.lmx")));
    EXPECT_EQ(fs::read_symlink(dir.File("absolute.lmx")).string(), dir.File("relative.lmx"));
    EXPECT_EQ(fs::read_symlink(dir.File("relative.lmx")).string(), "store/plant.lmx");
    EXPECT_EQ(TempDir::Read(real), "new");
    EXPECT_EQ(ModeOf(real), 0600u);
    EXPECT_EQ(Names(dir.File("store")), std::set<std::string>{"plant.lmx"});

    // A link to a file not made yet makes that file.
    fs::create_symlink("store/later.lmx", dir.File("later.lmx"));
    ASSERT_TRUE(WriteFileAtomically(dir.File("later.lmx"), "made", &error, kind)) << error;
    EXPECT_TRUE(fs::is_symlink(dir.File("later.lmx")));
    EXPECT_EQ(TempDir::Read(dir.File("store/later.lmx")), "made");
    EXPECT_EQ(Names(dir.Path()),
              (std::set<std::string>{"absolute.lmx", "later.lmx", "relative.lmx", "store"}));
    EXPECT_EQ(Names(dir.File("store")), (std::set<std::string>{"later.lmx", "plant.lmx"}));

    // A loop of links is refused.
    fs::create_symlink("loop-b.lmx", dir.File("loop-a.lmx"));
    fs::create_symlink("loop-a.lmx", dir.File("loop-b.lmx"));
    EXPECT_FALSE(WriteFileAtomically(dir.File("loop-a.lmx"), "x", &error, kind));
    EXPECT_EQ(error, std::strerror(ELOOP));
    EXPECT_TRUE(fs::is_symlink(dir.File("loop-a.lmx")));
  }
}

TEST(WriteFileAtomicallyTest, RefusesAReadOnlyFileAndLeavesItAlone) {
  for (TempFileKind kind : kKinds) {
    SCOPED_TRACE(KindName(kind));
    TempDir dir;
    std::string path = dir.Write("plant.lmx", "old");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    fs::create_symlink("plant.lmx", dir.File("link.lmx"));
    for (const std::string& name : {path, dir.File("link.lmx")}) {
      std::string error;
      EXPECT_FALSE(WriteFileAtomically(name, "new", &error, kind)) << name;
      EXPECT_EQ(error, kReadOnly) << name;
    }
    EXPECT_EQ(TempDir::Read(path), "old");
    EXPECT_EQ(ModeOf(path), 0444u);
    EXPECT_EQ(Names(dir.Path()), (std::set<std::string>{"link.lmx", "plant.lmx"}));
  }
}

TEST(WriteFileAtomicallyTest, RefusesWhatIsNotARegularFileOrFolder) {
  TempDir dir;
  fs::create_directory(dir.File("plant.lmx"));
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(dir.File("plant.lmx"), "new", &error));
  EXPECT_EQ(error, std::strerror(EISDIR));
  EXPECT_TRUE(fs::is_directory(dir.File("plant.lmx")));
  EXPECT_FALSE(WriteFileAtomically(dir.File("no/such/folder/plant.lmx"), "new", &error));
  EXPECT_EQ(error, std::strerror(ENOENT));
  EXPECT_EQ(Names(dir.Path()), std::set<std::string>{"plant.lmx"});
}

TEST(WriteFileAtomicallyTest, SavesNamesUpToTheLongestTheFileSystemTakes) {
  for (TempFileKind kind : kKinds) {
    SCOPED_TRACE(KindName(kind));
    TempDir dir;
    for (size_t length : {250u, 255u}) {
      std::string name = std::string(length - 4, 'n') + ".lmx";
      std::string error;
      ASSERT_TRUE(WriteFileAtomically(dir.File(name), "first", &error, kind)) << length << ": " << error;
      ASSERT_TRUE(WriteFileAtomically(dir.File(name), "second", &error, kind)) << length << ": " << error;
      EXPECT_EQ(TempDir::Read(dir.File(name)), "second");
      EXPECT_TRUE(Names(dir.Path()).count(name));
    }
    EXPECT_EQ(Names(dir.Path()).size(), 2u);
  }
}

// RLIMIT_FSIZE makes the write itself fail, for root too (permission bits do not stop root).
class ScopedFileSizeLimit {
 public:
  explicit ScopedFileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limit = old_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~ScopedFileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    ::signal(SIGXFSZ, oldHandler_);
  }

 private:
  struct rlimit old_ {};
  sighandler_t oldHandler_;
};

TEST(WriteFileAtomicallyTest, AFailedWriteKeepsTheOldFileAndLeavesNothingElse) {
  for (TempFileKind kind : kKinds) {
    SCOPED_TRACE(KindName(kind));
    TempDir dir;
    std::string path = dir.Write("plant.lmx", "old");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    std::string error;
    bool saved;
    {
      ScopedFileSizeLimit limit(4096);
      saved = WriteFileAtomically(path, std::string(65536, 'x'), &error, kind);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(error, std::strerror(EFBIG));
    EXPECT_EQ(TempDir::Read(path), "old");
    EXPECT_EQ(ModeOf(path), 0640u);
    EXPECT_EQ(Names(dir.Path()), std::set<std::string>{"plant.lmx"});
  }
}

// Runs a save of `size` bytes in a child that SIGXFSZ kills once 4096 bytes are written.
void SaveKilledHalfway(const std::string& path, TempFileKind kind) {
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::prctl(PR_SET_DUMPABLE, 0);  // no core file either
    struct rlimit none {
      0, 0
    };
    ::setrlimit(RLIMIT_CORE, &none);
    struct rlimit size {};
    ::getrlimit(RLIMIT_FSIZE, &size);
    size.rlim_cur = 4096;
    ::setrlimit(RLIMIT_FSIZE, &size);
    ::signal(SIGXFSZ, SIG_DFL);
    WriteFileAtomically(path, std::string(65536, 'x'), nullptr, kind);
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status)) << "the save was not killed";
  EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
}

TEST(WriteFileAtomicallyTest, ASaveKilledHalfwayLeavesNoTemporaryFile) {
  TempDir dir;
  std::string path = dir.Write("plant.lmx", "old");
  SaveKilledHalfway(path, TempFileKind::Unnamed);
  EXPECT_EQ(TempDir::Read(path), "old");
  EXPECT_EQ(Names(dir.Path()), std::set<std::string>{"plant.lmx"});
}

// Makes a file look a minute old.
void Age(const std::string& path) {
  struct timespec times[2] = {{std::time(nullptr) - 60, 0}, {std::time(nullptr) - 60, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0) << path;
}

// A named temporary file a killed save leaves says whose it is; a later save of that file removes it, and
// leaves alone the leftovers of other files, the user's own files, the file a running save holds and a file
// too young to tell from one a save has only just made.
TEST(WriteFileAtomicallyTest, ALaterSaveRemovesWhatAKilledSaveOfTheSameFileLeft) {
  TempDir dir;
  std::string path = dir.Write("plant.lmx", "old");
  SaveKilledHalfway(path, TempFileKind::Named);
  std::set<std::string> names = Names(dir.Path());
  ASSERT_EQ(names.size(), 2u);
  std::string leftover = *std::next(names.begin());
  EXPECT_EQ(leftover.rfind("plant.lmx.saving-", 0), 0u) << leftover;
  EXPECT_EQ(leftover.size(), std::string("plant.lmx.saving-.tmp").size() + 6);
  Age(dir.File(leftover));

  for (const char* name : {"other.lmx.saving-Ab3dE9.tmp", "plant.lmx.saving-Stale1.tmp", "plant.lmx.saving-backup",
                           "plant.lmx.saving-Held00.tmp"})
    Age(dir.Write(name, "a file"));
  dir.Write("plant.lmx.saving-Young1.tmp", "just made");
  int heldFd = ::open(dir.File("plant.lmx.saving-Held00.tmp").c_str(), O_RDONLY);
  ASSERT_GE(heldFd, 0);
  ASSERT_EQ(::flock(heldFd, LOCK_EX), 0);

  for (TempFileKind kind : kKinds) {
    SCOPED_TRACE(KindName(kind));
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(path, "new", &error, kind)) << error;
    EXPECT_EQ(TempDir::Read(path), "new");
    EXPECT_EQ(Names(dir.Path()),
              (std::set<std::string>{"other.lmx.saving-Ab3dE9.tmp", "plant.lmx", "plant.lmx.saving-backup",
                                     "plant.lmx.saving-Held00.tmp", "plant.lmx.saving-Young1.tmp"}));
  }
  ::close(heldFd);
}

}  // namespace
}  // namespace lumora
