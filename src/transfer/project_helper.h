#pragma once
// TQMProjectHelper: the transfer engine. Runs the write, read and firmware sequences of one operation
// against one open link, reporting through its TransferContext. Its set-up is in project_helper.cpp, the
// sequences in project_helper_write.cpp, project_helper_read.cpp and project_helper_firmware.cpp.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/project.h"
#include "transfer/progress_reporter.h"
#include "transfer/transfer_context.h"
#include "transfer/transfer_texts.h"

namespace lumora {

class TQMStatusResp;
class UnitSession;
enum class DriverKind;

class TQMProjectHelper {
 public:
  explicit TQMProjectHelper(TransferContext& context);
  ~TQMProjectHelper();

  // The worker's operations.
  void WriteEntry();
  void ReadEntry();
  void PanelFirmware();
  void MultiplexerFirmware();

 private:
  // Write.
  bool WriteOnePanel(UnitSession& unit);
  bool WriteSelectedPanel(UnitSession& unit, int port, bool switchFirst);
  bool WriteMessages(UnitSession& unit, TQMPanel& panel);
  bool WriteSystemMessages(UnitSession& unit, TQMPanel& panel);
  bool WriteMapData(UnitSession& unit, const std::vector<uint8_t>& image);
  // A table or image in blocks, every byte counted into the write's progress; `afterBlock` runs after each
  // data block has been counted.
  bool UploadCounted(UnitSession& unit, uint8_t commandCode, const std::vector<uint8_t>& image,
                     const std::function<void()>& afterBlock = {});
  bool WriteSystemAttributes(UnitSession& unit, TQMPanel& panel);
  bool WritePlcDriver(UnitSession& unit, const std::vector<uint8_t>& image);
  bool WritePlcAttributes(UnitSession& unit);
  bool WriteMultiplexer(UnitSession& unit);
  bool WriteMultiplexerPlcAttributes(UnitSession& unit);
  // The bytes a write's progress bar counts for one unit: the driver image, `tags` map entries and the
  // PLC attributes, and for a panel its messages and system attributes.
  static constexpr int64_t kMessageBytes = 41;
  static constexpr int64_t kSystemAttributeBytes = 27;
  int64_t WriteByteTotal(int64_t driverBytes, int64_t tags, std::optional<int64_t> panelMessages) const;
  // The PLC driver's text: C002 when no name can be formed, the system's text when it cannot be opened,
  // Z004 when it cannot be read.
  bool ReadDriverFile(DriverKind kind, std::string& text);

  // Read.
  bool ReadOnePanel(UnitSession& unit);
  bool ReadMultiplexer(UnitSession& unit);
  bool ReadSystemAttributes(UnitSession& unit);
  bool ReadMessages(UnitSession& unit);
  bool ReadTags(UnitSession& unit, std::vector<TQMTag>& target, bool indexMode);
  bool ReadPlcAttributes(UnitSession& unit);
  bool ReadMultiplexerPlcAttributes(UnitSession& unit);
  bool SelectPlcForIds(int manufacturerId, int modelId);

  // Firmware: the file's text, or false after the error was reported.
  bool ReadFirmwareFile(std::string& text);
  void RefuseFirmwareFile(const std::string& problem);

  // Notes the model and firmware of the first unit that answered, for the panel history.
  void NoteUnit(const TQMStatusResp& status);

  TQMProject& project() { return *context_.project; }
  void MakeCurrent(int port) { project().multiplexer.selectedPort = port; }

  TransferContext& context_;
  ProgressReporter report_;
  std::vector<TQMTag> panelTagList_;
  std::vector<TQMTag> muxTagList_;
  TransferTarget selectedTarget_ = TransferTarget::None;
  bool directConnection_ = false;
};

// Reads a file a transfer sends (driver, firmware): false with `openFailed` when it cannot be opened at
// all (`reason` is the system's text), otherwise false when it cannot be read (not a regular file, too
// large, a read error).
bool ReadTransferFile(const std::string& path, std::string& text, bool& openFailed, std::string& reason);

}  // namespace lumora
