#include "model/panel_exchange.h"

#include "model/interaction.h"
#include "model/project.h"

namespace lumora {

std::array<std::string, 5> ImportPortTexts(const TQMProject& loaded) {
  std::array<std::string, 5> texts;
  texts.fill(kNotConfiguredPortText);
  for (const auto& panel : loaded.panels) {
    if (panel->port >= 1 && panel->port <= 5)
      texts[static_cast<size_t>(panel->port - 1)] = panel->ModelText();
  }
  return texts;
}

int FirstConfiguredPort(const TQMProject& loaded) {
  std::array<std::string, 5> texts = ImportPortTexts(loaded);
  for (size_t i = 0; i < texts.size(); ++i) {
    if (texts[i] != kNotConfiguredPortText) return static_cast<int>(i) + 1;
  }
  return 0;
}

namespace {

ImportOutcome ImportPanelInto(TQMProject& current, const TQMProject& loaded, int sourcePort,
                              std::vector<ProjectProblem>* problems) {
  const TQMPanel* source = nullptr;
  if (loaded.IsMultiPanel()) {
    source = loaded.FindPanel(sourcePort);
    if (!source) return ImportOutcome::NoPanelOnPort;
  } else {
    if (loaded.panels.empty()) return ImportOutcome::NoPanelOnPort;
    source = loaded.panels.front().get();
  }
  // A file can hold what no editor lets a panel have; such a panel would make the project unwritable.
  std::vector<ProjectProblem> found = ValidatePanel(*source);
  if (!found.empty()) {
    if (problems) *problems = std::move(found);
    return ImportOutcome::Refused;
  }
  if (!loaded.IsMultiPanel()) {
    const TQMPanel* edited = current.CurrentPanel();
    if (edited && edited->Equals(*source)) return ImportOutcome::Unchanged;
  }

  int port = current.multiplexer.selectedPort;
  if (current.multiplexer.HasPanel(port)) {
    Answer answer = current.services.Ui().Ask(translate("Core", kClearPanelQuestion), "",
                                              MessageButtons::YesNo, MessageIcon::Question, Answer::No);
    if (answer != Answer::Yes) return ImportOutcome::Declined;
    current.multiplexer.ClearPort(port);
    current.RemoveSelectedPanel();
  }

  TQMPanel panel(&current, kPanelQM210);
  panel.Assign(*source);
  current.PutPanel(panel);
  int storedPort = current.IsMultiPanel() ? port : 1;
  if (TQMPanel* stored = current.FindPanel(storedPort)) {
    stored->panelType = source->panelType;
    current.multiplexer.SetPortFromPanel(*stored);
  }
  return ImportOutcome::Imported;
}

}  // namespace

ProjectEdit<ImportOutcome> ImportPanel(const TQMProject& current, const TQMProject& loaded, int sourcePort,
                                       std::vector<ProjectProblem>* problems) {
  return EditCopy(current, ImportOutcome::Imported,
                  [&](TQMProject& copy) { return ImportPanelInto(copy, loaded, sourcePort, problems); });
}

std::string ImportRefusedText(const std::string& path, const std::vector<ProjectProblem>& problems) {
  std::string text =
      Arg(translate("Core", "The panel in %1 breaks the project rules and was not imported:"), path);
  for (const ProjectProblem& problem : problems)
    text += "\n" + problem.Line();
  return text;
}

}  // namespace lumora
