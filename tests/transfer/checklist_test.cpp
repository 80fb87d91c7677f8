// The checklist's table: what each step does to the six lines, while a panel or the multiplexer is
// addressed, and the line the console shows as current.

#include <gtest/gtest.h>

#include "transfer/transfer_texts.h"

namespace lumora {
namespace {

using Line = ChecklistLine;
using Also = StepEffect::Also;

TEST(ChecklistTest, EachStepEnablesAndChecksItsLines) {
  struct Case {
    int step;
    std::optional<Line> enable, checkForPanel, checkForMultiplexer;
    Also also;
  };
  const Case cases[] = {
      {kStepClearStart, Line::L1, std::nullopt, std::nullopt, Also::Nothing},
      {kStepCleared, std::nullopt, std::nullopt, std::nullopt, Also::Nothing},
      {kStepMessagesStart, Line::L2, Line::L1, Line::L1, Also::Nothing},
      {kStepMapStart, Line::L3, Line::L2, Line::L1, Also::ClearStatus},
      {kStepSysAttrStart, Line::L4, Line::L3, Line::L3, Also::Nothing},
      {kStepDriverStart, Line::L5, Line::L4, std::nullopt, Also::Nothing},
      {kStepPlcAttrStart, Line::L6, Line::L5, Line::L3, Also::Nothing},
      {kStepPlcAttrDone, std::nullopt, Line::L6, Line::L6, Also::CloseButton},
      {kStepReadSysAttrStart, Line::L2, std::nullopt, std::nullopt, Also::Nothing},
      {kStepReadMessagesStart, Line::L3, Line::L2, Line::L2, Also::Nothing},
      {kStepReadTagsStart, Line::L4, Line::L3, std::nullopt, Also::Nothing},
      {kStepReadPlcAttrStart, Line::L5, Line::L4, Line::L4, Also::Nothing},
      {kStepReadPlcAttrDone, std::nullopt, Line::L5, Line::L5, Also::CloseButton},
      {kStepStatusText, std::nullopt, std::nullopt, std::nullopt, Also::ShowStatus},
      {kStepUnitFinished, std::nullopt, std::nullopt, std::nullopt, Also::ResetLines},
      {kStepWriteFinished, std::nullopt, std::nullopt, std::nullopt, Also::Finish},
      {kStepReadFinished, std::nullopt, std::nullopt, std::nullopt, Also::Finish},
      {0, std::nullopt, std::nullopt, std::nullopt, Also::Nothing},
  };
  for (const Case& c : cases) {
    const StepEffect& effect = StepEffectOf(c.step);
    EXPECT_EQ(effect.enable, c.enable) << "step " << c.step;
    EXPECT_EQ(effect.checkForPanel, c.checkForPanel) << "step " << c.step;
    EXPECT_EQ(effect.checkForMultiplexer, c.checkForMultiplexer) << "step " << c.step;
    EXPECT_EQ(effect.also, c.also) << "step " << c.step;
  }
  // The line a step works on, by its text.
  EXPECT_EQ(ChecklistTexts(TransferOperation::Write)[static_cast<size_t>(*StepEffectOf(kStepDriverStart).enable)],
            "Writing PLC driver.");
  EXPECT_EQ(ChecklistTexts(TransferOperation::Read)[static_cast<size_t>(*StepEffectOf(kStepReadTagsStart).enable)],
            "Reading Tags");
}

}  // namespace
}  // namespace lumora
