#pragma once
// What each PLC library of <Install Dir>/dll is, found out without letting it near this process: the helper
// program lumora-plc-probe loads and queries one library, so a library that crashes or hangs while it is
// loaded takes only that child down (it is killed after a time limit). The answers are kept for the life of
// the process and, when a cache file is set, between runs, keyed by each file's size, modification time and
// inode. Without the helper program (an incomplete installation) the libraries are queried here, as they
// always were.

#include <chrono>
#include <string>
#include <vector>

namespace lumora {

struct PlcLibraryProbe {
  std::string path;
  bool usable = false;  // loaded, queried and unloaded without fault
  std::string problem;  // why not: one sentence for the user
  std::string name;     // the exported Plc_Name, "" when it has none
  std::string detailsName;  // the PLC name its details give
  int manufacturerId = 0;
  int modelId = 0;
  bool setsApplicationType = false;  // has SetApplicationType
};

// One answer per path, in the order given. The probes run side by side.
std::vector<PlcLibraryProbe> ProbePlcLibraries(const std::vector<std::string>& paths);

// The file the answers are kept in between runs; "" (the default) keeps them only in memory.
void SetPlcProbeCacheFile(const std::string& path);
// $XDG_CACHE_HOME/lumora/plc-libraries, else ~/.cache/lumora/plc-libraries; "" when neither is known.
std::string UserPlcProbeCacheFile();
// How long one probe may take before it is killed (5 seconds unless set).
void SetPlcProbeTimeLimit(std::chrono::milliseconds limit);
// The helper program: beside the running program, else in <Install Dir>/bin; "" when there is none.
std::string PlcProbeProgram();

// Text as two hex digits a byte ("" stays ""), and back; false for anything else.
std::string HexText(const std::string& text);
bool FromHexText(const std::string& hex, std::string& text);

}  // namespace lumora
