#include "model/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

namespace lumora {
namespace {

void SetError(std::string* error, const std::string& text) {
  if (error) *error = text;
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

}  // namespace

bool ReadWholeFile(const std::string& path, std::string& contents, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    SetError(error, std::strerror(errno));
    return false;
  }
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) {
    SetError(error, "read error");
    return false;
  }
  contents = buffer.str();
  return true;
}

bool WriteFileAtomically(const std::string& path, const std::string& contents, std::string* error) {
  std::string folder = FolderPart(path);
  if (folder.empty()) folder = ".";
  std::string pattern = folder + "/." + FileNamePart(path) + ".XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  int fd = ::mkstemp(name.data());
  if (fd < 0) {
    SetError(error, std::strerror(errno));
    return false;
  }
  std::string tempPath(name.data());
  // Keep the permissions of the file being replaced; a new file gets the usual umask-based mode.
  struct stat existing {};
  if (::stat(path.c_str(), &existing) == 0) {
    (void)::fchmod(fd, existing.st_mode & 07777);
  } else {
    mode_t mask = ::umask(0);
    ::umask(mask);
    (void)::fchmod(fd, 0666 & ~mask);
  }
  bool ok = WriteAll(fd, contents.data(), contents.size()) && ::fsync(fd) == 0;
  int savedErrno = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    savedErrno = errno;
  }
  if (ok && ::rename(tempPath.c_str(), path.c_str()) != 0) {
    ok = false;
    savedErrno = errno;
  }
  if (!ok) {
    ::unlink(tempPath.c_str());
    SetError(error, std::strerror(savedErrno));
    return false;
  }
  int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (dirFd >= 0) {
    (void)::fsync(dirFd);
    ::close(dirFd);
  }
  return true;
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
