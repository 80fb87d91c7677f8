// lumora history [show N | open N OUT.lmx] [--project NAME] [--model NAME] [--json]

#include <algorithm>
#include <array>
#include <cstdio>

#include "cli/cli_session.h"
#include "model/file_io.h"
#include "model/project.h"
#include "model/project_summary.h"
#include "model/translation.h"
#include "plc/plc_manager.h"
#include "transfer/panel_history.h"

namespace lumora::cli {
namespace {

// A JSON string of bytes that are UTF-8 where they are valid, and taken as Latin-1 where they are not.
std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (size_t i = 0; i < text.size(); ++i) {
    auto byte = static_cast<unsigned char>(text[i]);
    if (byte == '"' || byte == '\\') {
      out += '\\';
      out += static_cast<char>(byte);
    } else if (byte < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", byte);
      out += escape;
    } else if (byte < 0x80) {
      out += static_cast<char>(byte);
    } else {
      size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC2 ? 2 : 0;
      bool valid = length > 0 && byte < 0xF5 && i + length <= text.size() &&
                   std::all_of(text.begin() + static_cast<std::ptrdiff_t>(i + 1),
                               text.begin() + static_cast<std::ptrdiff_t>(i + length),
                               [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; });
      if (valid) {
        out += text.substr(i, length);
        i += length - 1;
      } else {
        out += static_cast<char>(0xC0 | (byte >> 6));
        out += static_cast<char>(0x80 | (byte & 0x3F));
      }
    }
  }
  return out + "\"";
}

void PrintJson(const std::vector<PanelHistoryEntry>& entries) {
  std::printf("[");
  for (size_t i = 0; i < entries.size(); ++i) {
    const PanelHistoryEntry& e = entries[i];
    std::printf(
        "%s\n  {\"number\": %d, \"time\": %s, \"operation\": %s, \"target\": %s, \"port\": %s, \"model\": "
        "%s, "
        "\"firmware\": %s, \"project\": %s, \"projectId\": %s}",
        i == 0 ? "" : ",", e.number, JsonString(HistoryIsoTime(e.time)).c_str(),
        JsonString(e.operation).c_str(), JsonString(e.target).c_str(), JsonString(e.port).c_str(),
        JsonString(e.model).c_str(), JsonString(e.firmware).c_str(), JsonString(e.projectName).c_str(),
        JsonString(e.projectId).c_str());
  }
  std::printf("%s]\n", entries.empty() ? "" : "\n");
}

// One line per entry, the columns as wide as their widest value.
void PrintTable(const std::vector<PanelHistoryEntry>& entries) {
  using Row = std::array<std::string, 8>;
  std::vector<Row> rows = {
      {"No.", "Date and time", "Operation", "Target", "Port", "Model", "Firmware", "Project"}};
  for (const PanelHistoryEntry& e : entries) {
    rows.push_back({std::to_string(e.number), HistoryTimeText(e.time), e.operation, PrintableText(e.target),
                    PrintableText(e.port), PrintableText(e.model), PrintableText(e.firmware),
                    PrintableText(e.projectName)});
  }
  std::array<size_t, 8> width{};
  for (const Row& row : rows)
    for (size_t c = 0; c < row.size(); ++c)
      width[c] = std::max(width[c], row[c].size());
  for (const Row& row : rows) {
    std::string line;
    for (size_t c = 0; c < row.size(); ++c)
      line += c + 1 < row.size() ? row[c] + std::string(width[c] - row[c].size() + 2, ' ') : row[c];
    std::printf("%s\n", line.c_str());
  }
}

void PrintEntry(const PanelHistoryEntry& e) {
  std::printf("Entry:      %d\n", e.number);
  std::printf("Date:       %s\n", HistoryTimeText(e.time).c_str());
  std::printf("Operation:  %s\n", e.operation.c_str());
  std::printf("Target:     %s\n", PrintableText(e.target).c_str());
  std::printf("Port:       %s\n", PrintableText(e.port).c_str());
  std::printf("Model:      %s\n", PrintableText(e.model).c_str());
  std::printf("Firmware:   %s\n", PrintableText(e.firmware).c_str());
  std::printf("Project:    %s\n", PrintableText(e.projectName).c_str());
  std::printf("Project id: %s\n\n", e.projectId.c_str());
}

const PanelHistoryEntry* FindEntry(const std::vector<PanelHistoryEntry>& entries, const std::string& number) {
  for (const PanelHistoryEntry& entry : entries)
    if (std::to_string(entry.number) == number) return &entry;
  return nullptr;
}

}  // namespace

bool IsHistoryCommand(const std::string& command) {
  return command == "history";
}

int RunHistoryCommand(Session& session) {
  const Arguments& args = session.Args();
  const std::vector<std::string>& positional = args.positional;
  const std::string action = positional.empty() ? "" : positional[0];
  size_t wanted = action.empty() ? 0 : action == "show" ? 2 : action == "open" ? 3 : 99;
  size_t given = static_cast<size_t>(
      std::count_if(positional.begin(), positional.end(), [](const std::string& p) { return !p.empty(); }));
  if (given != wanted) return PrintUsage("history"), kExitUsage;

  PanelHistory history(DefaultHistoryFolder());
  std::vector<PanelHistoryEntry> entries;
  std::string error;
  if (!history.Load(entries, &error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return kExitFailed;
  }
  if (action.empty()) {
    std::erase_if(entries, [&](const PanelHistoryEntry& entry) {
      return !MatchesHistoryFilter(entry, args.Value("--project"), args.Value("--model"));
    });
    if (args.Has("--json")) {
      PrintJson(entries);
    } else if (entries.empty()) {
      std::printf("%s\n", translate("Cli", "The panel history holds no entry.").c_str());
    } else {
      PrintTable(entries);
    }
    return kExitOk;
  }

  const PanelHistoryEntry* entry = FindEntry(entries, positional[1]);
  if (!entry) {
    std::fprintf(
        stderr, "%s\n",
        FillPlaceholders(translate("Cli", "lumora: the panel history has no entry %1"), {positional[1]})
            .c_str());
    return kExitFailed;
  }
  if (action == "show") {
    TQMProject project({&session.Ui(), &session.Plc()});
    if (!history.LoadProject(*entry, project, &error)) {
      std::fprintf(stderr, "%s\n", error.c_str());
      return kExitFailed;
    }
    PrintEntry(*entry);
    std::string summary = SummarizeProject(project);
    std::fwrite(summary.data(), 1, summary.size(), stdout);
    return kExitOk;
  }
  const std::string& out = positional[2];
  for (const std::string& own : {history.ProjectPath(entry->projectId), history.IndexPath()}) {
    if (SameFile(out, own)) {
      std::fprintf(
          stderr, "%s\n",
          FillPlaceholders(
              translate("Cli", "lumora: %1 is the panel history's own file %2; choose another output file"),
              {out, own})
              .c_str());
      return kExitUsage;
    }
  }
  std::string text;
  if (!history.ReadProject(*entry, text, &error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return kExitFailed;
  }
  if (!WriteFileAtomically(out, text, &error)) {
    std::fprintf(stderr, "%s: %s\n", out.c_str(), error.c_str());
    return kExitFailed;
  }
  return kExitOk;
}

}  // namespace lumora::cli
