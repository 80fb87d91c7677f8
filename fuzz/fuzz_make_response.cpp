// Arbitrary reply packets through the receive checks and MakeResponse, against a project with a
// text panel, a set-point panel and a multiplexer project.

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "link/packet.h"
#include "link/responses.h"
#include "model/project.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumora;
  if (size < 2) return 0;
  // The link never hands over more than 70 bytes, in a 104-byte buffer, with a valid CRC and a
  // length byte between 6 and 69; the selector byte picks the project the reply decodes against.
  uint8_t selector = data[0];
  uint8_t buffer[104] = {};
  size_t count = std::min<size_t>(size - 1, 70);
  std::memcpy(buffer, data + 1, count);
  buffer[0] = 0xAA;
  if (buffer[1] < 6 || buffer[1] > 69) return 0;
  StorePacketCrc(buffer);
  TQMProject project;
  project.systemType = (selector & 1) ? SystemType::MultiPanel : SystemType::SinglePanel;
  project.AddPanel((selector & 2) ? kPanelQMSV : kPanelQM210K, 1);
  auto response = MakeResponse(buffer, 0, &project);
  if (auto* sysAttr = dynamic_cast<TQMSysAttrResp*>(response.get()))
    sysAttr->ApplyTo(*project.CurrentPanel());
  if (auto* status = dynamic_cast<TQMStatusResp*>(response.get())) {
    (void)status->GetFirmwareText();
    (void)status->GetMemoryText();
    (void)status->GetPanelModel();
  }
  return 0;
}
