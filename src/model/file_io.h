#pragma once
// Whole-file reading and the atomic file replacement every save goes through.

#include <cstddef>
#include <string>

namespace lumora {

// No project, tag map, firmware image or PLC driver comes anywhere near this; anything larger is not one.
inline constexpr size_t kMaxInputFileSize = size_t{64} << 20;

// One input file opened for reading: only a regular file of at most kMaxInputFileSize bytes is accepted, so a
// device (/dev/zero), a FIFO or a folder named as a project, map, firmware or driver file is refused at once
// instead of blocking or reading without end. Opening never blocks. The error texts say why in plain words:
// "not a regular file", "file too large (over 64 MiB)", or the system's reason (strerror).
// Transfers open their firmware and driver files with this before they start and read them later.
class InputFile {
 public:
  InputFile() = default;
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  bool Open(const std::string& path, std::string* error = nullptr);
  // Reads the whole file from its start; fails when it has grown beyond the cap since it was opened.
  bool ReadAll(std::string& contents, std::string* error = nullptr);
  bool IsOpen() const { return fd_ >= 0; }
  void Close();

 private:
  int fd_ = -1;
};

// Opens and reads a whole input file under the rules of InputFile (projects, tag maps, firmware images and
// PLC drivers alike). `error` receives the reason on failure; `contents` is left as it was then.
bool ReadWholeFile(const std::string& path, std::string& contents, std::string* error = nullptr);

// How WriteFileAtomically makes its temporary file. Unnamed uses O_TMPFILE and falls back to a named one
// where the file system cannot do that; Named always uses the fallback (for tests of that path).
enum class TempFileKind { Unnamed, Named };

// Replaces the file at `path` with `contents` so that readers see either the old or the new file, never a
// part: the data goes to a temporary file in the same folder, which is synced and renamed over the file; the
// folder is synced after. The temporary file is unnamed while it is written where the file system allows;
// it is then named "NAME.saving-XXXXXX.tmp" until the rename, so a save killed in that moment leaves that file
// (the new contents, complete; with a named temporary file possibly a part) beside an intact NAME. The next
// save of NAME removes such leftovers, but never one that a running save still holds, nor one changed in the
// last ten seconds.
// A symbolic link is followed (chains too) and its final target is replaced; the links stay links.
// The replaced file keeps its permissions (and, where allowed, its owner); a new file gets 0666 less umask.
// Refused, with the old file untouched: a read-only file ("the file is read-only"), something that is not a
// regular file ("not a regular file"), and every system failure (strerror in `error`).
bool WriteFileAtomically(const std::string& path, const std::string& contents, std::string* error = nullptr,
                         TempFileKind temp = TempFileKind::Unnamed);

// Whether WriteFileAtomically could replace or create `path`, without writing anything: the same refusals
// and texts, so that a long job (a report) is refused before it starts and never blocks on a FIFO.
bool CheckOutputFile(const std::string& path, std::string* error = nullptr);

// Whether two paths name one file (same device and inode, after links). Two paths neither of which exists
// are the same when they resolve to the same place.
bool SameFile(const std::string& a, const std::string& b);

// The file a write to `path` lands in: symbolic links followed, chains and dangling ones too (their missing
// target). `path` itself when a link cannot be read.
std::string FinalLinkTarget(const std::string& path);

// The part of a path after its last separator ("/" or, for paths written on Windows, "\").
std::string FileNamePart(const std::string& path);
std::string FolderPart(const std::string& path);

}  // namespace lumora
