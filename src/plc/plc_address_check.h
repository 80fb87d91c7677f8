#pragma once
// The editing rules' address check answered by the project's loaded PLC library. What the library
// would say about a refused address is kept for the caller to show.

#include "model/address_check.h"
#include "plc/plc_manager.h"

namespace lumora {

class TQMProject;

class PlcAddressCheck : public AddressCheck {
 public:
  // `keepText`: accepted addresses stay as entered (tag names) instead of becoming the library's text.
  PlcAddressCheck(const TQMProject& project, bool keepText);
  PlcAddressCheck(const PlcModule* library, bool keepText, int addressSize);

  std::optional<AddressRefusal> Check(TQMTag& tag, AddressAccess access) override;

 private:
  // Keeps the last message instead of showing it.
  class Heard : public Interaction {
   public:
    void ShowMessage(const std::string& text, const std::string&, MessageIcon icon) override {
      last = AddressRefusal{text, icon};
    }
    Answer Ask(const std::string&, const std::string&, MessageButtons, MessageIcon, Answer answer) override {
      return answer;
    }
    std::optional<std::string> PromptOpenFile(const FilePrompt&) override { return std::nullopt; }
    std::optional<std::string> PromptSaveFile(const FilePrompt&) override { return std::nullopt; }
    AddressRefusal last;
  };

  Heard heard_;
  TQMPlcManager manager_;
  bool keepText_;
  int addressSize_;
};

}  // namespace lumora
