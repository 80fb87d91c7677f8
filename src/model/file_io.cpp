#include "model/file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <ctime>
#include <cstring>
#include <filesystem>
#include <random>
#include <utility>
#include <vector>

#include "model/translation.h"

namespace lumora {
namespace {

constexpr const char* kNotRegular = QT_TRANSLATE_NOOP("Core", "not a regular file");
constexpr const char* kTooLarge = QT_TRANSLATE_NOOP("Core", "file too large (over 64 MiB)");
constexpr const char* kReadOnly = QT_TRANSLATE_NOOP("Core", "the file is read-only");
// Beyond this a chain of symbolic links is taken as a loop, as the kernel does.
constexpr int kMaxLinkHops = 40;

bool Fail(std::string* error, const std::string& text) {
  if (error) *error = text;
  return false;
}

bool FailErrno(std::string* error, int code) {
  return Fail(error, std::strerror(code));
}

bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    ssize_t written = ::write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    size -= static_cast<size_t>(written);
  }
  return true;
}

// Splits at the last "/" only: on this system a backslash is an ordinary character of a name.
std::pair<std::string, std::string> SplitFolder(const std::string& path) {
  size_t cut = path.rfind('/');
  if (cut == std::string::npos) return {".", path};
  return {cut == 0 ? "/" : path.substr(0, cut), path.substr(cut + 1)};
}

// Follows `path` through any symbolic links to the name that is really written. A dangling link gives its
// (missing) target, which the save then creates.
bool ResolveLinks(const std::string& path, std::string& target, std::string* error) {
  std::string current = path;
  for (int hops = 0;; ++hops) {
    struct stat info {};
    if (::lstat(current.c_str(), &info) != 0) {
      if (errno != ENOENT) return FailErrno(error, errno);
      break;
    }
    if (!S_ISLNK(info.st_mode)) break;
    if (hops == kMaxLinkHops) return FailErrno(error, ELOOP);
    std::vector<char> buffer(static_cast<size_t>(info.st_size > 0 ? info.st_size : 255) + 1);
    ssize_t length;
    while ((length = ::readlink(current.c_str(), buffer.data(), buffer.size())) >= 0 &&
           static_cast<size_t>(length) == buffer.size()) {
      buffer.resize(buffer.size() * 2);  // the link changed since lstat
    }
    if (length < 0) return FailErrno(error, errno);
    std::string next(buffer.data(), static_cast<size_t>(length));
    if (next.empty()) return FailErrno(error, ENOENT);
    if (next.front() != '/') {
      size_t cut = current.rfind('/');
      if (cut != std::string::npos) next = current.substr(0, cut + 1) + next;
    }
    current = std::move(next);
  }
  target = std::move(current);
  return true;
}

// Temporary files are named after the file they replace, so that one a killed save leaves behind says what
// it is: "plant.lmx.saving-Ab3dE9.tmp". A name near the file system's limit is cut to make room for the rest.
constexpr const char kSavingMark[] = ".saving-";
constexpr const char kTemporaryEnd[] = ".tmp";
constexpr size_t kSuffixLetters = 6;
constexpr size_t kMaxNameBytes = 255;
// A file this young may be a save's that has not taken its lock yet: never a leftover.
constexpr time_t kLeftoverAgeSeconds = 10;

std::string TemporaryPrefix(const std::string& target) {
  size_t room = kMaxNameBytes - (sizeof kSavingMark - 1) - kSuffixLetters - (sizeof kTemporaryEnd - 1);
  return target.substr(0, room) + kSavingMark;
}

bool IsTemporaryOf(const std::string& name, const std::string& prefix) {
  const std::string end = kTemporaryEnd;
  if (name.size() != prefix.size() + kSuffixLetters + end.size() || name.compare(0, prefix.size(), prefix) != 0 ||
      name.compare(name.size() - end.size(), end.size(), end) != 0)
    return false;
  return std::all_of(name.begin() + static_cast<long>(prefix.size()),
                     name.end() - static_cast<long>(end.size()),
                     [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

std::string TemporaryName(const std::string& target) {
  static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  thread_local std::mt19937_64 generator{std::random_device{}()};
  std::uniform_int_distribution<size_t> pick(0, sizeof kLetters - 2);
  std::string name = TemporaryPrefix(target);
  for (size_t i = 0; i < kSuffixLetters; ++i)
    name += kLetters[pick(generator)];
  return name + kTemporaryEnd;
}

constexpr int kNameAttempts = 100;

// A running save holds an exclusive lock on its temporary file from creation to rename, so that another
// save of the same file tells its own leftovers from files still being written.
bool LockTemporary(int fd) {
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno != EINTR) return false;
  }
  return true;
}

// Removes what earlier saves of `target` that were killed between naming and renaming their file left in
// the folder. A file some running save still holds is left alone.
void RemoveLeftoverTemporaries(int dirFd, const std::string& target) {
  const std::string prefix = TemporaryPrefix(target);
  int listFd = ::openat(dirFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (listFd < 0) return;
  DIR* folder = ::fdopendir(listFd);
  if (!folder) {
    ::close(listFd);
    return;
  }
  std::vector<std::string> candidates;
  while (const dirent* entry = ::readdir(folder)) {
    std::string name = entry->d_name;
    if (IsTemporaryOf(name, prefix)) candidates.push_back(std::move(name));
  }
  ::closedir(folder);
  for (const std::string& name : candidates) {
    int fd = ::openat(dirFd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat opened {};
    struct stat named {};
    // Unlinked only while locked here and still the file that bears the name (a save may have renamed it
    // onto its target between the listing and the lock).
    if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) &&
        opened.st_mtime + kLeftoverAgeSeconds < std::time(nullptr) && LockTemporary(fd) &&
        ::fstatat(dirFd, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 && named.st_ino == opened.st_ino &&
        named.st_dev == opened.st_dev) {
      ::unlinkat(dirFd, name.c_str(), 0);
    }
    ::close(fd);
  }
}

// Creates a named temporary file in the folder, with the mode a new file would get, locked.
int CreateNamedTemporary(int dirFd, const std::string& target, std::string& name) {
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    name = TemporaryName(target);
    int fd = ::openat(dirFd, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      if (LockTemporary(fd)) return fd;
      int code = errno;
      ::unlinkat(dirFd, name.c_str(), 0);
      ::close(fd);
      errno = code;
      return -1;
    }
    if (errno != EEXIST) return -1;
  }
  errno = EEXIST;
  return -1;
}

// Gives the finished unnamed file a temporary name in its folder. linkat needs a name that does not exist,
// so it cannot go straight onto the file being replaced; the caller renames it there.
bool LinkUnnamed(int fd, int dirFd, const std::string& target, std::string& name) {
  std::string self = "/proc/self/fd/" + std::to_string(fd);
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    name = TemporaryName(target);
    if (::linkat(AT_FDCWD, self.c_str(), dirFd, name.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
    // Without /proc, AT_EMPTY_PATH does the same where the process may use it.
    if (errno == ENOENT && ::linkat(fd, "", dirFd, name.c_str(), AT_EMPTY_PATH) == 0) return true;
    if (errno != EEXIST) return false;
  }
  errno = EEXIST;
  return false;
}

// Gives the new file the owner (where the process may) and the permissions of the one it replaces. The owner
// goes first: changing it can clear set-id bits that the mode then puts back.
void CopyOwnerAndMode(int fd, const struct stat& existing) {
  struct stat created {};
  if (::fstat(fd, &created) == 0 &&
      (created.st_uid != existing.st_uid || created.st_gid != existing.st_gid)) {
    if (::fchown(fd, existing.st_uid, existing.st_gid) != 0)
      (void)::fchown(fd, static_cast<uid_t>(-1), existing.st_gid);
  }
  (void)::fchmod(fd, existing.st_mode & 07777);
}

}  // namespace

// ------------------------------------------------------------------------------------------- reading

InputFile::~InputFile() {
  Close();
}

void InputFile::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

bool InputFile::Open(const std::string& path, std::string* error) {
  Close();
  // Look before opening: opening a device can have effects of its own (a serial line, a tape).
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return FailErrno(error, errno);
  if (!S_ISREG(info.st_mode)) return Fail(error, translate("Core", kNotRegular));
  // O_NONBLOCK keeps the open from waiting on a FIFO swapped in after the look above; fstat then refuses it.
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return FailErrno(error, errno);
  if (::fstat(fd, &info) != 0) {
    int code = errno;
    ::close(fd);
    return FailErrno(error, code);
  }
  if (!S_ISREG(info.st_mode)) {
    ::close(fd);
    return Fail(error, translate("Core", kNotRegular));
  }
  if (static_cast<unsigned long long>(info.st_size) > kMaxInputFileSize) {
    ::close(fd);
    return Fail(error, translate("Core", kTooLarge));
  }
  int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) (void)::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  fd_ = fd;
  return true;
}

bool InputFile::ReadAll(std::string& contents, std::string* error) {
  if (fd_ < 0) return FailErrno(error, EBADF);
  struct stat info {};
  if (::fstat(fd_, &info) != 0) return FailErrno(error, errno);
  if (static_cast<unsigned long long>(info.st_size) > kMaxInputFileSize)
    return Fail(error, translate("Core", kTooLarge));
  std::string buffer;
  buffer.reserve(static_cast<size_t>(info.st_size));
  char chunk[65536];
  off_t offset = 0;
  for (;;) {
    ssize_t got = ::pread(fd_, chunk, sizeof chunk, offset);
    if (got < 0) {
      if (errno == EINTR) continue;
      return FailErrno(error, errno);
    }
    if (got == 0) break;
    if (buffer.size() + static_cast<size_t>(got) > kMaxInputFileSize)
      return Fail(error, translate("Core", kTooLarge));
    buffer.append(chunk, static_cast<size_t>(got));
    offset += got;
  }
  contents = std::move(buffer);
  return true;
}

bool ReadWholeFile(const std::string& path, std::string& contents, std::string* error) {
  InputFile file;
  return file.Open(path, error) && file.ReadAll(contents, error);
}

// ------------------------------------------------------------------------------------------- writing

namespace {

// Where a write to `path` would land and whether it may: the folder opened, the final name after links, and
// the file it would replace (if any). Nothing is created.
struct OutputTarget {
  int dirFd = -1;
  std::string name;
  bool exists = false;
  struct stat existing {};
  OutputTarget() = default;
  OutputTarget(const OutputTarget&) = delete;
  OutputTarget& operator=(const OutputTarget&) = delete;
  ~OutputTarget() {
    if (dirFd >= 0) ::close(dirFd);
  }
};

bool OpenOutputTarget(const std::string& path, OutputTarget& out, std::string* error) {
  std::string target;
  if (!ResolveLinks(path, target, error)) return false;
  auto [folder, name] = SplitFolder(target);
  if (name.empty() || name == "." || name == "..") return Fail(error, translate("Core", kNotRegular));

  out.dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (out.dirFd < 0) return FailErrno(error, errno);
  out.name = name;
  out.exists = ::fstatat(out.dirFd, name.c_str(), &out.existing, AT_SYMLINK_NOFOLLOW) == 0;
  if (!out.exists && errno != ENOENT) return FailErrno(error, errno);
  if (out.exists) {
    if (S_ISDIR(out.existing.st_mode)) return FailErrno(error, EISDIR);
    if (!S_ISREG(out.existing.st_mode)) return Fail(error, translate("Core", kNotRegular));
    // The owner's write bit counts for everyone: root passes every access check, yet a file its owner
    // has made read-only must not be replaced behind their back.
    if ((out.existing.st_mode & S_IWUSR) == 0) return Fail(error, translate("Core", kReadOnly));
    if (::faccessat(out.dirFd, name.c_str(), W_OK, AT_EACCESS | AT_SYMLINK_NOFOLLOW) != 0 && errno == EACCES) {
      return Fail(error, translate("Core", kReadOnly));
    }
  }
  if (::faccessat(out.dirFd, ".", W_OK, AT_EACCESS) != 0) return FailErrno(error, errno);
  return true;
}

}  // namespace

bool CheckOutputFile(const std::string& path, std::string* error) {
  OutputTarget target;
  return OpenOutputTarget(path, target, error);
}

bool SameFile(const std::string& a, const std::string& b) {
  struct stat infoA {};
  struct stat infoB {};
  bool hasA = ::stat(a.c_str(), &infoA) == 0;
  bool hasB = ::stat(b.c_str(), &infoB) == 0;
  if (hasA && hasB) return infoA.st_dev == infoB.st_dev && infoA.st_ino == infoB.st_ino;
  if (hasA || hasB) return false;
  // Neither exists yet (two outputs): the same once links and folders are resolved.
  std::error_code errorA;
  std::error_code errorB;
  auto pathA = std::filesystem::weakly_canonical(std::filesystem::absolute(a), errorA);
  auto pathB = std::filesystem::weakly_canonical(std::filesystem::absolute(b), errorB);
  return !errorA && !errorB && pathA == pathB;
}

bool WriteFileAtomically(const std::string& path, const std::string& contents, std::string* error,
                         TempFileKind temp) {
  OutputTarget target;
  if (!OpenOutputTarget(path, target, error)) return false;
  int dirFd = target.dirFd;
  const std::string& name = target.name;
  bool exists = target.exists;
  const struct stat& existing = target.existing;

  RemoveLeftoverTemporaries(dirFd, name);

  // An unnamed file cannot be left behind by a kill while it is written; it gets a name only once it is
  // complete, and is locked before then so that no other save takes it for a leftover.
  std::string tempName;
  bool named = false;
  int fd = -1;
  if (temp == TempFileKind::Unnamed) {
    fd = ::openat(dirFd, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return FailErrno(error, errno);
    if (fd >= 0 && !LockTemporary(fd)) {
      int code = errno;
      ::close(fd);
      return FailErrno(error, code);
    }
  }
  if (fd < 0) {
    fd = CreateNamedTemporary(dirFd, name, tempName);
    if (fd < 0) return FailErrno(error, errno);
    named = true;
  }
  auto failWith = [&](int code) {
    if (!tempName.empty()) ::unlinkat(dirFd, tempName.c_str(), 0);
    if (fd >= 0) ::close(fd);
    return FailErrno(error, code);
  };

  if (exists) CopyOwnerAndMode(fd, existing);
  if (!WriteAll(fd, contents.data(), contents.size()) || ::fsync(fd) != 0) return failWith(errno);
  if (!named && !LinkUnnamed(fd, dirFd, name, tempName)) {
    int code = errno;
    tempName.clear();
    return failWith(code);
  }
  // The file stays open, and so locked, until it bears its final name.
  if (::renameat(dirFd, tempName.c_str(), dirFd, name.c_str()) != 0) return failWith(errno);
  // The data were synced before the rename: a close that fails now has lost nothing.
  (void)::close(fd);
  (void)::fsync(dirFd);
  return true;
}

std::string FinalLinkTarget(const std::string& path) {
  std::string target;
  return ResolveLinks(path, target, nullptr) ? target : path;
}

std::string FileNamePart(const std::string& path) {
  size_t cut = path.find_last_of("/\\");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string FolderPart(const std::string& path) {
  size_t cut = path.find_last_of("/\\");
  if (cut == std::string::npos) return "";
  if (cut == 0) return "/";
  return path.substr(0, cut);
}

}  // namespace lumora
