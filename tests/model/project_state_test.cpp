// The states an undo history keeps: made back into projects they save as the captured ones did, and a
// state shares with the one before it every panel the change left alone.

#include <gtest/gtest.h>

#include "model/project_state.h"
#include "model/text_lines.h"
#include "support/fake_plc_environment.h"
#include "support/recording_interaction.h"
#include "support/sample_projects.h"

namespace lumora {
namespace {

std::string Saved(const TQMProject& project) {
  LineWriter writer;
  project.Save(writer);
  return writer.Text();
}

TEST(ProjectStateTest, AStateSavesAsItsProjectAndSharesWhatAChangeLeftAlone) {
  testing::RecordingInteraction ui;
  testing::FakePlcEnvironment plc;
  TQMProject project = testing::MakeMultiplexerProject({&ui, &plc});
  project.tagMapLinked = true;
  project.tagMapPath = "/plant.map";
  std::shared_ptr<const ProjectState> first = ProjectState::Capture(project, nullptr);
  std::string before = Saved(project);

  project.FindPanel(5)->messages[0].text = "OTHER";
  std::shared_ptr<const ProjectState> second = ProjectState::Capture(project, first.get());
  std::string after = Saved(project);
  ASSERT_EQ(second->PanelCount(), 2u);
  EXPECT_TRUE(second->SharesPanel(*first, 0));   // port 2, untouched
  EXPECT_FALSE(second->SharesPanel(*first, 1));  // port 5, changed
  // A panel moved to another port is a change even where its content is the same.
  project.FindPanel(2)->port = 3;
  EXPECT_FALSE(ProjectState::Capture(project, second.get())->SharesPanel(*second, 0));

  for (auto [state, saved] : {std::pair{first, before}, {second, after}}) {
    std::unique_ptr<TQMProject> made = state->Make({&ui, &plc});
    EXPECT_EQ(Saved(*made), saved);
    EXPECT_TRUE(made->plcLibrary);  // loaded through the services given
    for (const auto& panel : made->panels) EXPECT_EQ(panel->project, made.get());
  }
}

}  // namespace
}  // namespace lumora
