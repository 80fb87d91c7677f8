#pragma once
// RecoveryStore: the copies of projects with unsaved changes that a running program keeps in the per-user
// state folder, so that a crash, a kill or a power cut loses no work; and, at the next start, the copies
// that programs no longer running left behind.
//
// Each running program holds a lock on a file of its own ("<instance>.lock") for as long as it runs; its
// copies are "<instance>-<slot>.recovery". A copy whose program's lock is free belongs to a program that
// ended without removing it. A program claims such copies by taking that lock, so two programs started
// together never offer (or remove) the same copy, and a running program's copies are never touched.

#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace lumora {

// A copy left behind by a program that no longer runs.
struct RecoveryCopy {
  std::string file;         // the copy itself, in the recovery folder
  std::string projectPath;  // the project's own file; empty for a project that had none
  int64_t changed = 0;      // the time of the last change, seconds since the epoch
  std::string problem;      // why the copy cannot be used ("the copy is damaged"); empty when it can
};

// Whether the copy holds changes newer than its project's file; a file that is gone is older than any copy.
bool IsNewerThanItsFile(const RecoveryCopy& copy);

class RecoveryStore {
 public:
  // `folder` is made when the first copy is kept (or on Start).
  explicit RecoveryStore(std::string folder);
  // Waits for the copies being written; removes none.
  ~RecoveryStore();
  RecoveryStore(const RecoveryStore&) = delete;
  RecoveryStore& operator=(const RecoveryStore&) = delete;

  // $XDG_STATE_HOME/lumora/recovery, else ~/.local/state/lumora/recovery; empty when neither is known.
  static std::string DefaultFolder();

  // Makes the folder and takes this program's lock. Without it nothing is kept (Keep does nothing).
  bool Start(std::string* error = nullptr);
  const std::string& Folder() const { return folder_; }

  // A place for one project's copy; each open document has its own.
  int NewSlot();
  // Replaces the slot's copy with `project` (the project file's bytes), on the store's own thread: the
  // caller does not wait for the disk. A later Keep or Remove of the slot that comes before the write
  // replaces it.
  void Keep(int slot, const std::string& projectPath, int64_t changed, std::string project);
  void Remove(int slot);
  // Waits until every Keep and Remove so far is on disk.
  void Flush();
  // The reason the last write of a copy failed, once; empty when none failed since the last call.
  std::string TakeWriteError();

  // The copies that programs no longer running left, newest first, claimed for this program until
  // EndClaims: another program does not see them meanwhile. Copies that cannot be read are among them,
  // with their problem.
  std::vector<RecoveryCopy> ClaimAbandoned();
  // The project a usable copy holds, checked against its own size and checksum.
  static bool ReadProject(const RecoveryCopy& copy, std::string& project, std::string* error = nullptr);
  // Removes a claimed copy (the user discarded it, or it was recovered and is kept under a slot now).
  bool Discard(const RecoveryCopy& copy, std::string* error = nullptr);
  // Moves a claimed copy that cannot be used into the folder's "damaged" folder, where no start offers it
  // again; `where` receives its new path.
  bool SetAside(const RecoveryCopy& copy, std::string* where, std::string* error = nullptr);
  // Lets go of the claimed copies that are left (the user's "Later"): the next start offers them again.
  void EndClaims();

  // The file form of a copy and its reading, for tests and tools.
  static std::string CopyText(const std::string& projectPath, int64_t changed, const std::string& project);
  static RecoveryCopy ParseCopy(const std::string& file, const std::string& text, std::string* project);

 private:
  struct Pending {
    std::optional<std::string> text;  // empty: remove the copy
  };

  std::string SlotFile(int slot) const;
  void WriterLoop();
  void ReleaseInstance(const std::string& instance);

  std::string folder_;
  std::string instance_;
  int lockFd_ = -1;
  int nextSlot_ = 1;

  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable idle_;
  std::map<int, Pending> pending_;
  bool writing_ = false;
  bool stopping_ = false;
  std::string writeError_;
  std::thread writer_;

  // Locks held on the lock files of ended programs whose copies this program has claimed.
  std::map<std::string, int> claimed_;
};

}  // namespace lumora
