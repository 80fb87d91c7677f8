#pragma once
// TQMProjectHelper: the transfer engine. Runs the write, read, firmware and multiplexer sequences
// against one open link, reporting through its TransferContext.

#include <memory>
#include <string>
#include <vector>

#include "model/project.h"
#include "transfer/transfer_context.h"

namespace lumora {

class TQMStatusResp;
class TQMStatusIdResp;
class TQMXComm;
class TQMXResp;
struct OpenedFile;
enum class DriverKind;

inline constexpr const char* kC001Text =
    "Error C001: The panel connected to the PC is different from the configured one";
inline constexpr const char* kMultiplexerPanelMismatchText =
    "The panel connected to the multiplexer is different from the configured one. ";
inline constexpr const char* kC002Text = "Error C002: Cannot Locate the Driver File";
inline constexpr const char* kC006Text =
    "Error C006: Error in reading the project from the panel. Project in the panel is corrupted.";
inline constexpr const char* kZ003Text = "Error Z003: The file may be corrupted";
inline constexpr const char* kZ004Text = "Error Z004: Unable to open the PLC driver file.";
inline constexpr const char* kZ008Text = "Error Z008:  Invalid Device Type";
inline constexpr const char* kT006Text = "Error T006:  Error in reading PLC Addresses";
inline constexpr const char* kTagListRebuildText = "Error in rebuilding the tag list";
inline constexpr const char* kEnsureConnectedText =
    "Please ensure all panels are connected to the multiplexer and click OK.";
inline constexpr const char* kInvalidRevisionText = "Not a valid firmware revision number";
inline constexpr const char* kOldFirmwareFormat =
    "The panel has an older version of the firmware (%s) which is not compatible \nwith this program loader. "
    " Some "
    "of the latest panel features may not be \navailable in this firmware. The latest firmware is available "
    "in "
    "directory:\n%s  \nPlease use Panel->Upgrade Firmware option to upload new firmware to the panel.";

class TQMProjectHelper {
 public:
  explicit TQMProjectHelper(TransferContext& context);
  ~TQMProjectHelper();

  // The worker's operations.
  void WriteEntry();
  void ReadEntry();
  void PanelFirmware();
  void MultiplexerFirmware();

  // Single exchanges used by the sequences and by the short operations of the main view.
  bool SwitchPort(TQMXComm& link, int port);
  // Checks type and firmware revision of the panel on the line; the answer is kept for the caller.
  bool StatusIdCheck(TQMXComm& link, const std::string& mismatchText,
                     std::unique_ptr<TQMStatusIdResp>* answer = nullptr);
  bool ClearMemory(TQMXComm& link);
  bool ClearAllUnits(TQMXComm& link);
  bool TestAllPanelsConnected(TQMXComm& link);
  // The multiplexer's status, checked to be a multiplexer; null after an error was reported.
  std::unique_ptr<TQMStatusResp> MultiplexerStatus(TQMXComm& link);

  // The serial port could not be opened: the text goes to a message box (with the hint on its own line).
  void ShowLinkOpenError(const TQMXComm& link);

  void CopyChoices() {
    selectedTarget_ = context_.selectedTarget;
    directConnection_ = context_.selectedTarget > 4 ? false : context_.directConnection;
  }

  // Exposed for tests and the benchmark.
  std::vector<TQMTag> BuildMuxTagList();
  static std::vector<uint8_t> BuildMapImage(const std::vector<TQMTag>& tags, int addressSize, bool indexMode,
                                            const std::vector<TQMTag>& muxTags);
  int64_t TotalBytes() const { return totalBytes_; }
  int64_t SentBytes() const { return sentBytes_; }

 private:
  // Reporting.
  void PostStep(int step);
  void PostProgress();
  void PostStatus(const std::string& text);
  void PostTarget(int panelType, int port);
  void ReportError(const std::string& text);
  void ReportPlainError(const std::string& text, const std::string& hint = "");
  bool CheckStdResponse(const TQMXResp* response);
  void ApplyFailureRule(const TQMXResp* response);
  template <typename Expected>
  Expected* Expect(std::unique_ptr<TQMXResp>& response);
  bool Cancelled() const { return context_.cancelRequested.load(); }
  void SetPercentFromBytes();
  void Finish(int step);

  // Write.
  // The PLC driver file: C002 when no name can be formed, the system's text when it cannot be opened,
  // Z004 when it cannot be read.
  bool OpenDriverFile(DriverKind kind, OpenedFile& file);
  bool ReadDriverText(OpenedFile& file, std::string& text);
  bool WriteOnePanel(TQMXComm& link);
  bool CancelHandling(TQMXComm& link);
  bool WriteMessages(TQMXComm& link, TQMPanel& panel);
  bool WriteSystemMessages(TQMXComm& link, TQMPanel& panel);
  bool WriteMapData(TQMXComm& link, const std::vector<TQMTag>& tags, bool indexMode);
  bool WriteSystemAttributes(TQMXComm& link, TQMPanel& panel);
  bool WritePlcDriver(TQMXComm& link, const std::vector<uint8_t>& image);
  bool WritePlcAttributes(TQMXComm& link);
  bool WriteMultiplexer(TQMXComm& link);
  bool WriteMultiplexerPlcAttributes(TQMXComm& link);
  enum class BlockCommand { Tags, Driver, MuxAttributes };
  bool BlockTransfer(TQMXComm& link, BlockCommand command, const std::vector<uint8_t>& image, bool mapStatus);
  bool WriteSelectedPanel(TQMXComm& link, int port, bool switchFirst);
  void MakeCurrent(int port) { project().multiplexer.selectedPort = port; }

  // Firmware.
  bool ReadFirmwareFile(std::string& text);
  bool SendFirmwareBlock(TQMXComm& link, const std::vector<uint8_t>& image, uint8_t kind, int sequence,
                         int first, int end);

  // Read.
  bool ReadOnePanel(TQMXComm& link);
  bool ReadMultiplexer(TQMXComm& link);
  bool ReadSystemAttributes(TQMXComm& link);
  bool ReadMessages(TQMXComm& link);
  bool ReadTags(TQMXComm& link, std::vector<TQMTag>& target, bool indexMode);
  bool ReadPlcAttributes(TQMXComm& link);
  bool ReadMultiplexerPlcAttributes(TQMXComm& link);
  bool SelectPlcForIds(int manufacturerId, int modelId);

  TQMProject& project() { return *context_.project; }
  Interaction& ui();

  TransferContext& context_;
  int64_t totalBytes_ = 0;
  int64_t sentBytes_ = 0;
  std::vector<TQMTag> panelTagList_;
  std::vector<TQMTag> muxTagList_;
  int currentPort_ = 0;
  int selectedTarget_ = kTargetNone;
  bool directConnection_ = false;
};

}  // namespace lumora
