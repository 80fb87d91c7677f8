#include "plc/plan_n_run.h"

#include <cstdio>

#include "model/message_text.h"
#include "model/project.h"
#include "plc/plc_manager.h"

namespace lumora {
namespace {

// `text` (translated already) with "%1".."%3" filled in.
std::string Printf(const std::string& text, const std::string& a, const std::string& b = "",
                   const std::string& c = "") {
  return FillPlaceholders(text, {a, b, c});
}

const TagMapTable& ApplyingTable(TQMProject& project) {
  TQMPanel* current = project.CurrentPanel();
  return project.TagMapFor(current ? current->panelType : kPanelQM210);
}

}  // namespace

TQMPlanNRun::TQMPlanNRun(TQMProject& project) : table_(ApplyingTable(project)), project_(project) {
  for (const auto& [name, address] : table_.entries)
    namesByAddress_.emplace(address, name);
}

void TQMPlanNRun::CheckTag(TQMTag& tag, bool wordTag) {
  if (tag.address.empty()) return;
  if (table_.entries.count(tag.tagName)) return;
  auto [first, last] = namesByAddress_.equal_range(tag.address);
  size_t matches = static_cast<size_t>(std::distance(first, last));
  auto clear = [&tag, wordTag] {
    tag.Reset();
    if (wordTag) tag.valueType = kBinary16;
  };
  if (matches == 0) {
    if (mode_ == kReport) {
      log_.push_back(Printf(translate("Core", "Error Tag map entry \"%1,%2\" not found in map file\n"),
                            tag.tagName, tag.address));
    } else {
      clear();
    }
  } else if (matches == 1) {
    if (mode_ == kReport) {
      log_.push_back(Printf(translate("Core", "Tag name \"%1\" changed to \"%2\" for address %3\n"),
                            tag.tagName, first->second, tag.address));
    } else {
      tag.tagName = first->second;
    }
  } else {
    if (mode_ == kReport) {
      log_.push_back(
          Printf(translate("Core", "Multiple tag names found for the address \"%1\"\n"), tag.address));
      for (auto it = first; it != last; ++it)
        log_.push_back("\t" + it->second + "\n");
    } else {
      clear();
    }
  }
}

void TQMPlanNRun::Run() {
  for (auto& panelPtr : project_.panels) {
    TQMPanel& panel = *panelPtr;
    if (!panel.IsSetPointPanel()) {
      CheckTag(panel.buttonLeds.ledWord, true);
      CheckTag(panel.buttonLeds.buttonWord, true);
      if (panel.IsKeypadPanel()) {
        CheckTag(panel.annunciatorWord, true);
        CheckTag(panel.passwordRegister, false);
      }
    }
    if (panel.LineCount() > 2) {
      CheckTag(panel.lineRegisters[2], false);
      CheckTag(panel.lineRegisters[3], false);
    }
    if (panel.LineCount() > 1) CheckTag(panel.lineRegisters[1], false);
    CheckTag(panel.lineRegisters[0], false);
    for (TQMMessage& message : panel.messages) {
      if (MessageHasDataItem(message.text, 1)) {
        CheckTag(message.data1, false);
        if (message.data1.variableDecimal) CheckTag(message.data1.decimalPointTag, false);
      }
      if (MessageHasDataItem(message.text, 2)) CheckTag(message.data2, false);
      if (MessageHasDataItem(message.text, 3)) CheckTag(message.data3, false);
    }
  }
}

bool ConvertLinkedProjectOnOpen(TQMProject& project,
                                bool (*confirm)(const std::vector<std::string>&, const std::string&, void*),
                                void* context) {
  TQMPlanNRun report(project);
  report.Run();
  if (report.Log().empty()) return true;
  if (!confirm(report.Log(), project.tagMapPath, context)) return false;
  TQMPlanNRun apply(project);
  apply.SetMode(TQMPlanNRun::kApply);
  apply.Run();
  return true;
}

std::optional<TQMProject> ProjectWithTagMap(const TQMProject& project, const std::string& mapPath, Interaction& ui,
                                            bool (*confirm)(const std::vector<std::string>&, const std::string&,
                                                            void*),
                                            void* context) {
  TQMProject linked(project);
  if (!ReadTagMapFile(mapPath, linked.textPanelTagMap, linked.setPointTagMap, ui)) return std::nullopt;
  linked.tagMapPath = mapPath;
  if (!ConvertLinkedProjectOnOpen(linked, confirm, context)) return std::nullopt;
  return linked;
}

void PlanNRunChoices::Fill(const TagMapTable& table) {
  table_ = &table;
  items_.assign(1, "");
  for (const auto& entry : table.entries)
    items_.push_back(entry.first);
  selected_ = -1;
}

int PlanNRunChoices::SelectByText(const std::string& name) {
  selected_ = -1;
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i] == name) {
      selected_ = static_cast<int>(i);
      break;
    }
  }
  return selected_;
}

std::string PlanNRunChoices::CurrentValue() const {
  if (!table_ || selected_ <= 0 || static_cast<size_t>(selected_) >= items_.size()) return "";
  auto it = table_->entries.find(items_[static_cast<size_t>(selected_)]);
  return it == table_->entries.end() ? "" : it->second;
}

}  // namespace lumora
