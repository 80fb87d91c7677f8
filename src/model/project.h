#pragma once
// The in-memory project: panels, messages, PLC addresses (tags), buttons/LEDs and PLC settings.
// Records are values; back-references (tag -> project, message -> panel, panel -> project) are plain
// non-owning pointers that every copy re-seats.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/codes.h"
#include "model/load_error.h"
#include "model/message.h"
#include "model/panel.h"
#include "model/plc_environment.h"
#include "model/tag.h"
#include "model/tag_map_file.h"

namespace lumora {

class Interaction;

inline constexpr const char* kProjectMarkerV1 = "KRV__3A7C15E2_91D4_4B6E_A2F0_5C8E1D9B7F34__KRV1";
inline constexpr const char* kProjectMarkerV0 = "KRV__3A7C15E2_91D4_4B6E_A2F0_5C8E1D9B7F34__KRV";

// Services the model reaches through: prompts and the PLC layer. Not owned.
struct CoreServices {
  Interaction* interaction = nullptr;
  PlcEnvironment* plc = nullptr;

  Interaction& Ui() const;
};

// How the panels reach the PLC: one panel directly, or up to five behind a multiplexer. The numbers are
// the ones a project file holds.
enum class SystemType : int32_t { SinglePanel = 0, MultiPanel = 1 };

struct TQMPlcSettings {
  std::string plcName;
  std::string libraryName;
  int32_t addressSize = 0;
  std::vector<uint8_t> plcAttributes;

  int ManufacturerId() const { return plcAttributes.size() > 0 ? plcAttributes[0] : 0; }
  int ModelId() const { return plcAttributes.size() > 1 ? plcAttributes[1] : 0; }
  // Rebuilds the 32-byte header from the ids: the two ids and 30 zero bytes.
  void SetHeader(int manufacturerId, int modelId);
  bool Equals(const TQMPlcSettings& other) const;
  void Save(LineWriter& file) const;
};

class TQMProject {
 public:
  explicit TQMProject(CoreServices services = {});
  TQMProject(const TQMProject& other);
  TQMProject& operator=(const TQMProject& other);
  // Moves keep the loaded library and re-seat every back-reference to the new object.
  TQMProject(TQMProject&& other) noexcept;
  TQMProject& operator=(TQMProject&& other) noexcept;
  ~TQMProject();

  void Save(LineWriter& file) const;
  // Loads a project file held in `file`: the backup offer of an old-format file, the load's own
  // messages and the tag map of a linked project. The caller shows Z002 on false; `failureReason` says
  // why a file was found invalid (empty when a message of its own was shown). `backupFailed` is set when
  // the load stopped because the backup copy the user asked for could not be written: that was reported,
  // and the file is not invalid.
  bool Load(LineReader& file, std::string* failureReason = nullptr, bool* backupFailed = nullptr);
  void SaveSelectedPanel(LineWriter& file);
  bool LoadTagMap();

  void PutPanel(const TQMPanel& panel);
  void RemoveSelectedPanel();
  TQMPanel* FindPanel(int port);
  const TQMPanel* FindPanel(int port) const;
  // The panel on the multiplexer's selected port (the one panel of a single-panel project).
  TQMPanel* CurrentPanel() { return FindPanel(multiplexer.selectedPort); }
  const TQMPanel* CurrentPanel() const { return FindPanel(multiplexer.selectedPort); }
  TQMPanel& AddPanel(int panelType, int port);
  void ClearAllAddresses();
  void ForEachTag(const std::function<void(TQMTag&)>& fn);
  bool ReloadPlcLibrary(const std::string& path);
  // Everything but the panels, as a copy takes it (the PLC library is loaded when the project has services).
  void CopySettingsFrom(const TQMProject& other);
  // Appends an exact copy of `source`, owned by this project.
  void AddPanelCopy(const TQMPanel& source);
  bool Equals(const TQMProject& other) const;
  // The tag-map table that applies to a panel of the given type.
  const TagMapTable& TagMapFor(int panelType) const;

  bool IsMultiPanel() const { return systemType == SystemType::MultiPanel; }
  // The port the project shows and edits: the multiplexer's selected port (1..5), 1 for a single panel.
  int SelectedPort() const;
  // A copy of a project outside tag mode carries no map; a change made on such a copy keeps the map the
  // project had, so that going back to Plan & Run finds it (nothing of it is saved).
  void KeepTagMapOf(const TQMProject& other);
  // The model on that port; kPanelNone for an empty multiplexer port.
  int SelectedPanelType() const;
  size_t PanelCount() const { return panels.size(); }
  TQMPanel& Panel(size_t i) { return *panels[i]; }
  const TQMPanel& Panel(size_t i) const { return *panels[i]; }

  bool tagMapLinked = false;
  SystemType systemType = SystemType::SinglePanel;
  std::vector<std::unique_ptr<TQMPanel>> panels;
  TQMMultiplexer multiplexer;
  TQMPlcSettings plcSettings;
  std::unique_ptr<PlcModule> plcLibrary;
  TagMapTable textPanelTagMap;
  TagMapTable setPointTagMap;
  std::string fileName;
  std::string tagMapPath;
  CoreServices services;

 private:
  void CopyFrom(const TQMProject& other);
  void MoveFrom(TQMProject& other) noexcept;
  // False when the user asked for a backup copy and it could not be written: the load then stops, so
  // nothing is saved over the only copy of the old file.
  bool OfferBackup(LineReader& file, const std::string& marker);
};

}  // namespace lumora
