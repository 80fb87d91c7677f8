// The exchange's contract against lumora-panel-sim: what a run hands back, and that a cancel releases a
// prompt the worker waits on and returns only once the worker has ended.

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "model/interaction.h"
#include "model/project_file.h"
#include "support/transfer_fixture.h"
#include "transfer/panel_information.h"
#include "transfer/unit_exchange.h"

namespace lumora {
namespace {

using testing::RecordingSink;
using testing::Simulator;
using testing::StageDir;

// Prompts that nobody answers: a message box waits until the prompts are released, as a box of the
// program's window waits for a user who never comes.
class UnansweredPrompts : public Interaction {
 public:
  void ShowMessage(const std::string& text, const std::string&, MessageIcon) override { Wait(text); }
  Answer Ask(const std::string& text, const std::string&, MessageButtons, MessageIcon, Answer) override {
    Wait(text);
    return Answer::Cancel;
  }
  std::optional<std::string> PromptOpenFile(const FilePrompt&) override { return std::nullopt; }
  std::optional<std::string> PromptSaveFile(const FilePrompt&) override { return std::nullopt; }

  void Release() {
    std::lock_guard lock(mutex_);
    released_ = true;
    changed_.notify_all();
  }
  // The text of the prompt that is waiting; "" after `timeout` without one.
  std::string WaitingPrompt(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, timeout, [this] { return !waiting_.empty(); });
    return waiting_;
  }

 private:
  void Wait(const std::string& text) {
    std::unique_lock lock(mutex_);
    waiting_ = text;
    changed_.notify_all();
    changed_.wait(lock, [this] { return released_; });
  }

  std::mutex mutex_;
  std::condition_variable changed_;
  std::string waiting_;
  bool released_ = false;
};

class UnitExchangeTest : public ::testing::Test, public testing::TransferFixture {
 protected:
  TQMProject DemoProject() {
    TQMProject project(Services());
    EXPECT_TRUE(OpenProjectFile(project, StageDir() + "/Project/demo-qm210.lmx"));
    Prepare(project);
    return project;
  }
};

TEST_F(UnitExchangeTest, ARunHandsBackWhatTheStartingThreadApplies) {
  TQMProject project = DemoProject();
  // A single panel is written as port 1's: the port the write leaves selected comes back.
  project.multiplexer.selectedPort = 3;
  Simulator sim({"--panel", "QM210"});
  RunOperation(project, TransferOperation::Write, sim.Path());
  EXPECT_EQ(outcome.result, TransferOutcome::Succeeded);
  EXPECT_EQ(outcome.selectedPort, 1);
  EXPECT_EQ(outcome.text, "Project has been written to the panel successfully.");
  EXPECT_FALSE(outcome.readProject);
  EXPECT_TRUE(outcome.errors.empty());

  // A port that is already selected is not handed back.
  RunOperation(project, TransferOperation::Write, sim.Path());
  EXPECT_EQ(outcome.result, TransferOutcome::Succeeded);
  EXPECT_FALSE(outcome.selectedPort);

  TQMProject read = ReadProject();
  RunOperation(read, TransferOperation::Read, sim.Path());
  EXPECT_EQ(outcome.result, TransferOutcome::Succeeded);
  EXPECT_EQ(outcome.text, "Project has been read from the panel successfully.");
  ASSERT_TRUE(outcome.readProject);
  EXPECT_TRUE(outcome.readProject->Equals(read));

  // A short exchange: its own body, its own part of the outcome.
  RecordingSink sink;
  TransferContext context(&project, TransferOperation::Read, &ui, &sink);
  context.portName = sim.Path();
  UnitExchange exchange(context);
  ExchangeOutcome information = exchange.Run([](TransferContext& running, ExchangeOutcome& out) {
    out.unit = QueryUnitInformation(running);
    return out.unit.has_value();
  });
  EXPECT_EQ(information.result, TransferOutcome::Succeeded);
  ASSERT_TRUE(information.unit);
  EXPECT_EQ(information.unit->modelText, "QM210");
  sim.Stop();

  // A port without a unit: the error comes back with the outcome as well as through the sink.
  context.portName = dir.File("no-port");
  ExchangeOutcome failed = exchange.Run();
  EXPECT_EQ(failed.result, TransferOutcome::Failed);
  ASSERT_EQ(failed.errors.size(), 1u);
  EXPECT_EQ(failed.errors[0].substr(0, 30), "Error C003: Error opening port");
  EXPECT_EQ(sink.Errors().size(), 1u);
}

TEST_F(UnitExchangeTest, CancelReleasesAWaitingPromptAndJoins) {
  TQMProject project = DemoProject();
  // The panel's old firmware makes the worker show a box and wait for it.
  Simulator sim({"--panel", "QM210", "--firmware", "A.1"});
  UnansweredPrompts prompts;
  RecordingSink sink;
  TransferContext context(&project, TransferOperation::Write, &prompts, &sink);
  context.portName = sim.Path();
  UnitExchange exchange(context, [&prompts] { prompts.Release(); });
  bool ended = false;
  exchange.WhenEnded([&ended] { ended = true; });
  ASSERT_TRUE(exchange.Start());
  EXPECT_FALSE(exchange.Start());  // one worker at a time
  ASSERT_NE(prompts.WaitingPrompt(std::chrono::seconds(10)).find("A.1"), std::string::npos);
  EXPECT_TRUE(exchange.Running());

  exchange.Cancel();
  EXPECT_FALSE(exchange.Running());
  EXPECT_TRUE(ended);
  ExchangeOutcome outcome = exchange.TakeOutcome();
  EXPECT_EQ(outcome.result, TransferOutcome::Cancelled);
  EXPECT_TRUE(outcome.errors.empty());
  EXPECT_TRUE(outcome.text.empty());
  EXPECT_FALSE(context.finished);
}

}  // namespace
}  // namespace lumora
