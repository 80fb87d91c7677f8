#pragma once
// The editors' address check over the project's PLC library: what the library says about a refused
// address comes back as the answer instead of being shown.

#include "model/message_edit.h"
#include "plc/plc_manager.h"

namespace lumora {

class PlcAddressCheck : public AddressCheck {
 public:
  // `keepText`: the address text stays as typed (tag mode) instead of becoming the library's own form.
  PlcAddressCheck(const PlcModule* library, bool keepText, int addressSize);
  std::optional<Notice> Check(TQMTag& tag, bool readWrite) override;

 private:
  // Keeps the first message the library's checks show.
  class FirstMessage : public SilentInteraction {
   public:
    void ShowMessage(const std::string& text, const std::string&, MessageIcon icon) override {
      if (!notice) notice = Notice{text, icon};
    }
    std::optional<Notice> notice;
  };

  FirstMessage said_;
  TQMPlcManager manager_;
  bool keepText_;
  int addressSize_;
};

}  // namespace lumora
