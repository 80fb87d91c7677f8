// TQMProjectHelper's set-up and what its sequences share: the user's choices copied once, and the files a
// transfer sends.

#include "transfer/project_helper.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "link/responses.h"
#include "model/codes.h"
#include "model/file_io.h"

namespace lumora {

TQMProjectHelper::TQMProjectHelper(TransferContext& context) : context_(context), report_(context) {
  // The user's choices are copied once; a panel behind a multiplexer is never "direct" for a unit
  // that is not a panel.
  selectedTarget_ = context_.selectedTarget;
  directConnection_ = IsPanelTarget(selectedTarget_) && context_.directConnection;
}

TQMProjectHelper::~TQMProjectHelper() = default;

int64_t TQMProjectHelper::WriteByteTotal(int64_t driverBytes, int64_t tags,
                                         std::optional<int64_t> panelMessages) const {
  // Every message is sent as 41 bytes, the seven system messages with them, and the system attributes as
  // 27; a tag of the map takes its address and three bytes, the map three more; the PLC attributes carry
  // a two-byte header (their count is one byte).
  const TQMProject& p = *context_.project;
  int64_t addressSize = std::clamp(p.plcSettings.addressSize, 0, 255);
  int64_t attributes = static_cast<int64_t>(p.plcSettings.plcAttributes.size());
  int64_t total = driverBytes + tags * (addressSize + 3) + 3 + ((attributes + 2) % 256);
  if (panelMessages) total += (*panelMessages + 7) * kMessageBytes + kSystemAttributeBytes;
  return total;
}

void TQMProjectHelper::NoteUnit(const TQMStatusResp& status) {
  if (!context_.unitModel.empty()) return;
  context_.unitModel = UnitModelName(status.GetPanelModel());
  context_.unitFirmware = status.GetFirmwareText();
}

bool ReadTransferFile(const std::string& path, std::string& text, bool& openFailed, std::string& reason) {
  openFailed = false;
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    openFailed = true;
    reason = std::strerror(errno);
    return false;
  }
  ::close(fd);
  return ReadWholeFile(path, text, &reason);
}

}  // namespace lumora
