#pragma once
// Runs the real transfer engine against lumora-panel-sim: the staged PLC libraries, a recording sink
// and interaction, and helpers to look at the simulator's trace and memory.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <mutex>
#include <string>
#include <vector>

#include "link/link_timeouts.h"
#include "model/project.h"
#include "model/project_file.h"
#include "plc/address_conversion.h"
#include "plc/installed_plc_environment.h"
#include "plc/plc_manager.h"
#include "support/install_tree.h"
#include "support/recording_interaction.h"
#include "support/simulator.h"
#include "support/temp_dir.h"
#include "transfer/transfer_context.h"
#include "transfer/unit_exchange.h"

namespace lumora::testing {

class RecordingSink : public TransferSink {
 public:
  RecordingSink() = default;
  RecordingSink(RecordingSink&& other) noexcept : events_(other.Events()) {}

  void Post(const TransferEvent& event) override {
    std::lock_guard lock(mutex_);
    events_.push_back(event);
  }
  std::vector<TransferEvent> Events() {
    std::lock_guard lock(mutex_);
    return events_;
  }
  std::vector<std::string> Errors() {
    std::vector<std::string> errors;
    for (const auto& event : Events()) {
      if (event.message == TransferMessage::Error) errors.push_back(event.statusText);
    }
    return errors;
  }
  std::vector<int> Steps() {
    std::vector<int> steps;
    for (const auto& event : Events()) {
      if (event.message == TransferMessage::Progress && (steps.empty() || steps.back() != event.step)) {
        steps.push_back(event.step);
      }
    }
    return steps;
  }

 private:
  std::mutex mutex_;
  std::vector<TransferEvent> events_;
};

class TransferFixture {
 public:
  TransferFixture() : install_(StageDir()) { catalogue_.Discover(ui); }

  CoreServices Services() { return {&ui, &environment_}; }
  std::string Library(const std::string& name) const { return InstallPath("dll/" + name + ".so"); }

  // Loads the project's PLC library and encodes its addresses, as opening a project does.
  void Prepare(TQMProject& project, const std::string& library = "TDL205") {
    project.services = Services();
    project.plcSettings.libraryName = Library(library);
    ASSERT_TRUE(project.ReloadPlcLibrary(project.plcSettings.libraryName));
    TQMPlcManager manager(project.plcLibrary.get(), ui);
    project.plcSettings.plcName = manager.PlcName();
    project.plcSettings.addressSize = manager.Details().integers[1];
    ASSERT_EQ(RevalidateAddresses(project, manager), 0) << ::testing::PrintToString(ui.Texts());
  }

  // Runs one operation to its end on a worker thread.
  RecordingSink RunOperation(TQMProject& project, TransferOperation operation, const std::string& port,
                             TransferTarget target = TransferTarget::None, bool direct = false,
                             const std::string& file = "") {
    RecordingSink sink;
    TransferContext context(&project, operation, &ui, &sink);
    context.portName = port;
    context.selectedTarget = target;
    context.directConnection = direct;
    context.filePath = file;
    context.history = history;
    context.keepPrevious = keepPrevious;
    UnitExchange exchange(context);
    outcome = exchange.Run();
    finished = context.finished;
    return sink;
  }

  // A fresh project for a read, as the main view makes it.
  TQMProject ReadProject() {
    TQMProject project(Services());
    project.AddPanel(kPanelQM210, 1);
    return project;
  }

  static std::string Trace(const std::string& path) { return TempDir::Read(path); }
  static std::vector<std::string> TraceLines(const std::string& path, const std::string& prefix) {
    std::vector<std::string> lines;
    std::string text = TempDir::Read(path);
    size_t start = 0;
    while (start < text.size()) {
      size_t end = text.find('\n', start);
      std::string line = text.substr(start, end - start);
      if (line.rfind(prefix, 0) == 0) lines.push_back(line);
      if (end == std::string::npos) break;
      start = end + 1;
    }
    return lines;
  }
  // The simulator's stored message numbers of the unit on `port`.
  static std::vector<int> StoredMessages(const std::string& state, int port = 0) {
    QFile file(QString::fromStdString(state));
    std::vector<int> numbers;
    if (!file.open(QIODevice::ReadOnly)) return numbers;
    QJsonObject unit =
        QJsonDocument::fromJson(file.readAll()).object().value(QString::number(port)).toObject();
    QJsonObject messages = unit.value("messages").toObject();
    for (auto it = messages.begin(); it != messages.end(); ++it)
      numbers.push_back(it.key().toInt());
    std::sort(numbers.begin(), numbers.end());
    return numbers;
  }
  static std::string StoredMessage(const std::string& state, int number, int port = 0) {
    QFile file(QString::fromStdString(state));
    if (!file.open(QIODevice::ReadOnly)) return "";
    QJsonObject unit =
        QJsonDocument::fromJson(file.readAll()).object().value(QString::number(port)).toObject();
    return unit.value("messages").toObject().value(QString::number(number)).toString().toStdString();
  }

  RecordingInteraction ui;
  bool finished = false;
  // What the last RunOperation handed back.
  ExchangeOutcome outcome;
  // Where RunOperation's writes and reads are kept; none by default.
  HistoryOptions history;
  // Whether RunOperation's writes read the unit's project first.
  bool keepPrevious = false;
  TempDir dir;

 private:
  static LinkTimeouts QuickTimeouts() {
    // A simulated unit answers within milliseconds: lost replies need not cost 2.5 s each here.
    LinkTimeouts timeouts = DefaultLinkTimeouts();
    timeouts.readConstantMs = 400;
    return timeouts;
  }

  ScopedLinkTimeouts quickLink_{QuickTimeouts()};
  ScopedInstallDir install_;
  PlcCatalogue catalogue_;
  InstalledPlcEnvironment environment_{catalogue_, ui};
};

}  // namespace lumora::testing
