// Replacing a panel's firmware (Intel HEX) or the multiplexer's (S-record). A refused file sends nothing.

#include <chrono>
#include <thread>

#include "link/commands.h"
#include "link/firmware_image.h"
#include "link/link_speed.h"
#include "transfer/project_helper.h"
#include "transfer/unit_session.h"

namespace lumora {
namespace {

void Sleep(int ms) {
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// The firmware bar moves by blocks sent against the image size.
int FirmwarePercent(int blocksSent, int size) {
  return size > 0 ? static_cast<int>(static_cast<int64_t>(blocksSent) * 5000 / size) : 100;
}

}  // namespace

bool TQMProjectHelper::ReadFirmwareFile(std::string& text) {
  bool openFailed = false;
  std::string reason;
  if (ReadTransferFile(context_.filePath, text, openFailed, reason)) return true;
  // The system's text first; then which file and why.
  if (openFailed) {
    report_.PlainError(reason + "\n" + context_.filePath);
  } else {
    report_.PlainError(translate("Core", "File Could not be opened") + "\n" + context_.filePath + ": " +
                       reason);
  }
  return false;
}

// A file refused before the port is opened: the error is the file's, not the port's.
void TQMProjectHelper::RefuseFirmwareFile(const std::string& problem) {
  report_.PlainError(translate("Core", kZ003Text) + "\n" + context_.filePath + ": " + problem);
}

void TQMProjectHelper::PanelFirmware() {
  TQMProject& p = project();
  std::string text;
  if (!ReadFirmwareFile(text)) return;
  TQMExec firmware(text, 0);
  if (!firmware.IsValid()) {
    RefuseFirmwareFile(firmware.Problem());
    return;
  }
  const std::vector<uint8_t>& image = firmware.GetImage();
  TQMXComm link(context_.portName, &p);
  if (!link.ok) {
    report_.PlainError(link.errorText, link.OpenHint());
    return;
  }
  UnitSession unit(link, report_, p);
  link.Configure();
  if (p.IsMultiPanel()) {
    if (!unit.SwitchPort(0) || !unit.SwitchPort(p.multiplexer.selectedPort)) return;
  }
  report_.Status(translate("Core", "Initializing the panel for downloading firmware..."));
  TQMRestartCmd restart;
  if (!unit.Exchange(restart)) return;

  // The panel restarts into its loader; it answers a status request once it is there.
  Sleep(500);
  link.SetReadTimeout(100);
  std::unique_ptr<TQMXResp> answer;
  for (int attempt = 1; attempt <= 500; ++attempt) {
    TQMStatusIdCmd status;
    answer = link.Transact(status);
    if (dynamic_cast<TQMStatusIdResp*>(answer.get())) break;
    if (attempt == 500) {
      unit.ReportFailure(answer.get());
      link.Configure();
      return;
    }
    if (report_.Cancelled()) {
      link.Configure();
      return;
    }
  }
  link.Configure();
  report_.Status(translate("Core", "DownLoading the firmware..."));

  int size = static_cast<int>(image.size());
  int blocksSent = 0;
  UnitSession::Upload upload;
  upload.commandCode = kCmdLoadExec;
  upload.clearOnCancel = false;  // a cancelled load ends without a message
  upload.afterBlock = [&] {
    report_.SetPercent(FirmwarePercent(++blocksSent, size));
    report_.Status(translate("Core", "DownLoading the firmware..."));
  };
  if (!unit.UploadBlocks(upload, image)) return;
  report_.SetPercent(100);
  report_.Status(translate("Core", "DownLoading the firmware..."));
  Sleep(2000);
  std::string verifying = translate("Core", "Verifying the downloaded firmware ");
  report_.Status(verifying);
  for (int i = 0; i < 3; ++i) {
    Sleep(1000);
    verifying += ".";
    report_.Status(verifying);
  }
  report_.Status(translate("Core", "Restarting the panel..."));
  TQMRestartCmd finalRestart;
  if (!unit.Exchange(finalRestart)) return;
  if (p.IsMultiPanel() && !unit.SwitchPort(0)) return;
  context_.finished = true;
  report_.Status(translate("Core", "Downloading Completed Successfully"));
}

void TQMProjectHelper::MultiplexerFirmware() {
  std::string text;
  if (!ReadFirmwareFile(text)) return;
  TQMMuxExec firmware(text, 0x10000);
  // The start command carries the first 50 bytes: a shorter image cannot be sent.
  if (!firmware.IsValid() || firmware.GetImage().size() < static_cast<size_t>(kBlockSize)) {
    RefuseFirmwareFile(
        firmware.IsValid()
            ? Arg(translate("Core", "the image is shorter than the first block of %1 bytes"), kBlockSize)
            : firmware.Problem());
    return;
  }
  std::vector<uint8_t> image = firmware.GetImage();
  TQMXComm link(context_.portName, &project());
  if (!link.ok) {
    report_.PlainError(link.errorText, link.OpenHint());
    return;
  }
  UnitSession unit(link, report_, project());
  SetLinkSpeed(38400);
  link.Configure();
  report_.Status(translate("Core", "Initializing the panel for downloading firmware..."));
  link.Configure();
  report_.Status(translate("Core", "Sending Execute Boot command "));
  TQMExecBootCmd boot;
  if (!unit.Exchange(boot)) return;
  report_.Status(translate("Core", "DownLoading the firmware..."));
  // The loader takes whole 16-bit words.
  if (image.size() % 2 != 0) image.push_back(0xFF);
  int size = static_cast<int>(image.size());
  int blocksSent = 1;
  UnitSession::Upload upload;
  upload.commandCode = kCmdLoadExec;
  upload.startCarriesData = true;
  upload.clearOnCancel = false;
  upload.afterBlock = [&] {
    report_.SetPercent(FirmwarePercent(++blocksSent, size));
    report_.Status(translate("Core", "DownLoading the firmware..."));
  };
  if (!unit.UploadBlocks(upload, image)) return;
  report_.Status(translate("Core", "Completed Downloading Firmware"));
  report_.SetPercent(100);
  report_.Status(translate("Core", "Sending Execute Exec Command"));
  TQMExecExecCmd exec;
  if (!unit.Exchange(exec)) return;
  context_.finished = true;
  report_.Status(translate("Core", "Download Completed Successfully"));
}

}  // namespace lumora
